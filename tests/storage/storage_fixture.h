#pragma once

#include "file_bytes.h"
#include "storage/datafile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The user's answers to the old-file questions, given without any box; counts the questions.
class ScriptedAnswers {
public:
    explicit ScriptedAnswers(bool continueReading = true) : continueReading_(continueReading) {}
    operator OldFileQuestions() {
        return OldFileQuestions::askedBy([this](int) {
            ++asked;
            return continueReading_;
        });
    }

    int asked = 0;

private:
    bool continueReading_;
};

// A note with its attributes at the end of the list.
inline void addNote(PostItHolder& holder, const std::string& text) {
    auto note = std::make_unique<Note>();
    note->setText(text);
    holder.addAttached(std::move(note));
}

// A fresh directory for each test, with the data file's path in it.
class StorageTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "qbXXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        path = dataFilePath(dir.string());
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    void writeFile(const std::vector<std::uint8_t>& bytes, const std::string& at = {}) {
        std::ofstream out(at.empty() ? path : at, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::uint8_t> readFile(const std::string& at = {}) const {
        std::ifstream in(at.empty() ? path : at, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Loads the file at path with the records and the options, as the program does.
    LoadResult loadAll(DataFile& file) {
        const LoadResult result = file.load(holder, answers);
        file.readOptions(options);
        return result;
    }

    std::filesystem::path dir;
    std::string path;
    PostItHolder holder;
    ScriptedAnswers answers; // reads on through every question
    Options options = Options::initial({rgb(10, 20, 30), "/usr/share/quillbox/ding.wav"});
};
