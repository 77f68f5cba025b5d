#pragma once

// Data files of notes as the tests make them, bring them in as a sync tool would, and read
// them back.

#include "storage/atomic_file.h"
#include "storage/datafile.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

// An active note at the end of the list; its Stickum at the place, when one is given.
inline void addNote(PostItHolder& holder, const std::string& text) {
    auto note = std::make_unique<Note>();
    note->setText(text);
    note->setActive(true);
    holder.addAttached(std::move(note));
}
inline void addNote(PostItHolder& holder, const std::string& text, int x, int y) {
    addNote(holder, text);
    PostItAttr* attr = holder.attrOf(holder.note(holder.noteCount() - 1));
    attr->x = static_cast<std::int16_t>(x);
    attr->y = static_cast<std::int16_t>(y);
}

// What a sync tool does when another machine's version arrives: a file of its own beside the
// data file, renamed over it.
inline bool arrive(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string temporary = path + ".syncing";
    std::ofstream(temporary, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

// The notes' texts in the data file, in its order. Read as bytes: a load would clear away the
// temporary file of a save in progress.
inline std::vector<std::string> notesIn(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    readWholeFile(path, bytes);
    PostItHolder holder;
    const auto questions = OldFileQuestions::answered(false);
    DataFile(path).loadFromBytes(std::move(bytes), holder, questions);
    std::vector<std::string> texts;
    for (int i = 0; i < holder.noteCount(); ++i)
        texts.push_back(holder.note(i)->text());
    return texts;
}
