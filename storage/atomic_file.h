#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class ReadOutcome { Read, Missing, Unreadable };

// Reads the whole file into bytes.
ReadOutcome readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);

// Replaces the file with the bytes without ever leaving it torn: the bytes go to a temporary
// file in the same directory, which is flushed to the disk and renamed over the file. Returns
// an empty text on success, else why it failed; on failure the old file is untouched.
std::string writeAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Removes what saves of the file that were cut off (a crash, a kill) left behind: the
// temporary files named after it. Returns how many were removed.
int removeLeftoverTemporaries(const std::string& path);

// Keeps the file's original content as backupPath: the given bytes when there are any, or
// else the file itself, moved aside. Returns an empty text on success, else why it failed.
std::string keepAside(const std::string& path, const std::string& backupPath,
                      const std::vector<std::uint8_t>* originalBytes);

// Tests slow down or break a save between its steps: the hook is called when the temporary
// file is written and flushed, before it replaces the data file, and returns 0 to go on or an
// errno value to fail the save with.
enum class SaveStage { TemporaryWritten };
void setSaveStageHook(std::function<int(SaveStage)> hook);
