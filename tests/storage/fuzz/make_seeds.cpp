// Writes a seed corpus for the data-file fuzzer: valid files of every version.
#include "../file_bytes.h"
#include "storage/datafile.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

void put(const std::string& directory, const std::string& name,
         const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(directory + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

FileBytes oldLayout(int version) {
    FileBytes f;
    f.i16(version).i16(3).i16(1).i16(2).i16(3).i16(4).i16(5).i16(6);
    f.i16(1).string("note").flag(true);
    f.i16(1).string("pen").flag(true).raw("June 3, 1997").i16(50).flag(true).flag(false);
    f.flag(true).string("Carl");
    f.i16(1).string("party").flag(false).raw("July 4, 1997").i16(1072).flag(true).flag(true);
    f.optionsUpToScrollBar(FileBytes::defaultFont());
    if (version == 2) f.string("/w.wav").i16(5);
    return f;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds DIRECTORY\n");
        return 2;
    }
    const std::string directory = argv[1];
    PostItHolder holder;
    auto note = std::make_unique<Note>();
    note->setText("a note");
    holder.addAttached(std::move(note));
    auto lending = std::make_unique<Prestito>();
    lending->setPerson("Ann");
    lending->setDate(makeDate(5, 1, 1998));
    lending->setDaysAfter(50);
    holder.addAttached(std::move(lending));
    auto reminder = std::make_unique<Appointement>();
    reminder->setDate(makeDate(22, 3, 1999));
    holder.addAttached(std::move(reminder));
    put(directory, "version4", DataFile::encode(holder, Options::initial({})));

    FileBytes v3;
    v3.i16(3).i16(1).i16(1).string("v3").i16(3).flag(true).i16(5).i16(6);
    v3.optionsUpToScrollBar(FileBytes::defaultFont()).string("/w.wav").i16(9);
    put(directory, "version3", v3.bytes);
    // Counts over the limit, with the options after them.
    FileBytes tooMany;
    tooMany.i16(4).i16(257);
    for (int i = 0; i < 257; ++i)
        tooMany.i16(1).string("").i16(3).flag(true).i16(i).i16(0);
    FileBytes negative;
    negative.i16(4).i16(-1);
    for (FileBytes* f : {&tooMany, &negative})
        f->optionsUpToScrollBar(FileBytes::defaultFont()).string("/w.wav").i16(9).flag(true).i32(0);
    put(directory, "too-many", tooMany.bytes);
    put(directory, "negative-count", negative.bytes);
    for (int version : {0, 1, 2})
        put(directory, "version" + std::to_string(version), oldLayout(version).bytes);
    return 0;
}
