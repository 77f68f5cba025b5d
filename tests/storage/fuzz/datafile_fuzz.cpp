// libFuzzer target for the data-file reader. Whatever the bytes, reading must neither crash nor
// touch memory it does not own, and what was read must survive a save and a second read
// unchanged.
#include "storage/datafile.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

std::vector<std::uint8_t> readAndEncode(const std::vector<std::uint8_t>& bytes) {
    PostItHolder holder;
    Options options = Options::initial({});
    DataFile file("/nonexistent/quillbox.dat");
    file.loadFromBytes(bytes, holder, OldFileQuestions::answered(true));
    file.readOptions(options);
    return DataFile::encode(holder, options);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> first = readAndEncode({data, data + size});
    const std::vector<std::uint8_t> second = readAndEncode(first);
    if (readAndEncode(second) != second) std::abort();
    return 0;
}
