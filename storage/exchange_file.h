#pragma once

#include "model/result.h"
#include "storage/atomic_file.h"
#include "storage/fileidentity.h"

#include <cstdint>
#include <string>
#include <vector>

// What stood in the file's place at the very moment new bytes took it.
struct Exchanged {
    Result result = Result::done();
    // The file that was swapped out (exists is false when there was none); its bytes as they
    // were, read before it went.
    FileIdentity displaced;
    std::vector<std::uint8_t> displacedBytes;
    // The new file, as it stands in the file's place now.
    FileIdentity placed;
};

// Puts the bytes in the file's place without ever leaving it torn, as writeAtomically does, but
// trades the new file for the old one in a single step (renameat2 with RENAME_EXCHANGE) instead
// of renaming over it: whatever stood there at that moment, also a version that a sync engine
// put in place after the caller last looked, comes back to the caller instead of being lost.
// Where there was no file, the new one is put in place only if none has come meanwhile
// (RENAME_NOREPLACE). On a file system that cannot exchange, the file is replaced as
// writeAtomically replaces it, and what stood there just before is reported. The new file gets
// the old one's mode (0600 when there was none); a symbolic link at path stays a link. The hook,
// when given, is asked once the new file is written.
Exchanged exchangeInto(const std::string& path, const std::vector<std::uint8_t>& bytes,
                       const SaveStageHook& hook = {});
