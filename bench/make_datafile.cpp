// Writes a data file with N notes, all on show, spread over the screen.
//   make_datafile PATH N
#include "storage/datafile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_datafile PATH N\n");
        return 2;
    }
    const int count = std::atoi(argv[2]);
    PostItHolder holder;
    for (int i = 0; i < count && i < kHolderCapacity; ++i) {
        auto note = std::make_unique<Note>();
        note->setText("Note number " + std::to_string(i) + "\r\nwith a second line");
        note->setActive(true);
        Note* added = note.get();
        holder.addNote(std::move(note));
        auto attr = std::make_unique<PostItAttr>();
        attr->x = static_cast<std::int16_t>(20 + (i % 16) * 70);
        attr->y = static_cast<std::int16_t>(20 + (i / 16) * 45);
        holder.attach(std::move(attr), added);
    }
    DataFile file(argv[1]);
    const Result result = file.save(holder, Options::initial({}));
    if (!result.ok()) {
        std::fprintf(stderr, "make_datafile: %s\n", result.why().c_str());
        return 1;
    }
    return 0;
}
