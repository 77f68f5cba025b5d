#pragma once

#include "model/result.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class ReadOutcome {
    Read,
    Missing,
    Unreadable, // there, but it could not be opened or read (reason: why)
    NotRegular, // a directory, FIFO, device or socket (reason: which); never opened for reading
};

struct ReadReport {
    ReadOutcome outcome = ReadOutcome::Missing;
    std::string reason;
    unsigned long links = 0; // how many names (hard links) the file read has
};

// Tests slow down or break a save between its steps: the hook is called when the temporary
// file is written and flushed, before it replaces the file, and returns 0 to go on or an errno
// value to fail the save with.
enum class SaveStage { TemporaryWritten };
using SaveStageHook = std::function<int(SaveStage)>;

// Reads the whole file into bytes. Only a regular file is read: anything else is reported as
// what it is without waiting on it (a FIFO without a writer never blocks the reader).
ReadReport readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);

// The file a chain of symbolic links at path ends at (path itself when it is no link). A link
// to a file that does not exist yet names the file to create.
std::string resolveLinks(const std::string& path);

// Replaces the file with the bytes without ever leaving it torn: the bytes go to a temporary
// file beside it, which is flushed to the disk and renamed over the file. A symbolic link stays a
// link: the file it points to is replaced, in that file's own folder. Only a regular file (or
// none) is replaced. The new file gets the given mode, or when none is given (-1) the mode of
// the file it replaces, and 0600 when there was none. beforeReplacing, when given, runs once
// the bytes are safely written, just before they replace the file; its failure ends the write
// there. On failure the old file is untouched.
Result writeAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                       int mode = -1, const std::function<Result()>& beforeReplacing = {});

// Writes the bytes as a new file at path (a backup, a copy), as writeAtomically does but at a
// name that must be free once beforeReplacing has run: whatever is there then, a symbolic link
// above all, is neither followed nor replaced, and the write fails saying what is in the way. The
// file gets the given mode (0600 when none is given).
Result writeNewFile(const std::string& path, const std::vector<std::uint8_t>& bytes, int mode = -1,
                    const std::function<Result()>& beforeReplacing = {});

// Removes what saves of the file that were cut off (a crash, a kill) left behind: the
// temporary files named after it (".quillbox.dat.tmp-" and six letters or digits, beside the
// file a link points to). Only the program that holds the data file's lock may call it.
// Returns how many were removed.
int removeLeftoverTemporaries(const std::string& path);

// Keeps the file's original content as backupPath, after moving earlier backups one generation
// on (backupPath.1, backupPath.2, ...; the oldest of `generations` is dropped when all are
// taken): the given bytes when there are any, or else the file itself (the one a link leads
// to), moved aside. The backup is no more open to others than the file. Only regular files at
// the backups' names are moved or dropped: a symbolic link or anything else there is left as it
// is and fails the backup. Bytes that cannot be written move no earlier backup.
Result keepBackup(const std::string& path, const std::string& backupPath,
                  const std::vector<std::uint8_t>* originalBytes, int generations = 3,
                  const SaveStageHook& hook = {});
