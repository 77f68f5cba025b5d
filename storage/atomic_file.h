#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class ReadOutcome { Read, Missing, Unreadable };

// Reads the whole file into bytes.
ReadOutcome readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);

// Replaces the file with the bytes without ever leaving it torn: the bytes go to a temporary
// file in the same directory, which is flushed to the disk and renamed over the file. Returns
// an empty text on success, else why it failed; on failure the old file is untouched.
std::string writeAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Keeps the file's original content as backupPath: the given bytes when there are any, or
// else the file itself, moved aside. Returns an empty text on success, else why it failed.
std::string keepAside(const std::string& path, const std::string& backupPath,
                      const std::vector<std::uint8_t>* originalBytes);
