#pragma once

#include "model/result.h"

#include <cstdint>
#include <string>

// Which version of a file is on the disk: a file replaced by a rename has another inode, one
// written in place another size or modification time. Two equal identities are the same
// version as far as a sync engine's replacing or rewriting it can tell.
struct FileIdentity {
    bool exists = false;
    bool regular = false; // a plain file, not a folder or a special file in its place
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;

    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file the path leads to (through symlinks).
FileIdentity identityOf(const std::string& path);

// A free name for a copy of the file kept after a conflict, in the form sync engines use:
// quillbox.dat.conflict-<this host>-<YYYYMMDD-HHMMSS>, with -2, -3, ... when that is taken,
// beside the file a symlink leads to.
std::string conflictCopyPath(const std::string& path);

// Keeps the file as it is on the disk under copyPath, without ever leaving copyPath half
// written: a second name for the same file, or where the file system has none, a copy.
Result keepConflictCopy(const std::string& path, const std::string& copyPath);
