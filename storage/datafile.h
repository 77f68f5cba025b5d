#pragma once

#include "model/holder.h"
#include "model/options.h"
#include "storage/fileidentity.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The answers the data file needs from the user while it reads a file of the old layout. The
// program answers with message boxes; tests answer directly.
class OldFileQuestions {
public:
    virtual ~OldFileQuestions() = default;
    // The old-format warning: true continues reading, false ends the program with status 0.
    virtual bool continueReadingOldFile() = 0;
    // A file of a later version than this one writes: true reads what this version knows of
    // it, false ends the program with status 0. Answered as for an old file unless said.
    virtual bool continueReadingLaterFile(int /*version*/) { return continueReadingOldFile(); }
    // The old file could not be read; the program ends with status 1 afterwards.
    virtual void oldFileFailed(const std::string& message) = 0;
};

enum class LoadStatus {
    NoFile,        // first run: empty list, initial options
    Loaded,        // read completely
    Damaged,       // read up to the damage; what came before it is kept
    Unreadable,    // there but not readable (no permission, an I/O error): nothing was read
    NotAFile,      // a directory, FIFO, device or socket: left alone, end with status 1
    Declined,      // old layout or a later version, the user chose not to read it: end with 0
    OldFileFailed, // old layout that could not be read: end with status 1
};

struct LoadResult {
    LoadStatus status = LoadStatus::NoFile;
    int version = 4;
    // What was wrong, for Damaged (where: DataFile::damage()), Unreadable (the system's reason),
    // NotAFile (what it is instead) and OldFileFailed.
    std::string problem;
    // The file has other names (hard links): a save replaces it, and they keep the old content.
    bool otherNames = false;

    // True when the program must end now; exitStatus() then says with which status.
    bool mustExit() const {
        return status == LoadStatus::Declined || status == LoadStatus::OldFileFailed ||
               status == LoadStatus::NotAFile;
    }
    int exitStatus() const { return status == LoadStatus::Declined ? 0 : 1; }
};

// Where a file stopped reading cleanly: what was wrong and at which byte.
struct FileDamage {
    std::string what;
    std::size_t at = 0;
};

struct SaveResult {
    bool ok = true;
    std::string reason; // why the save failed, in words for the user
    // Where the version on disk was kept because something else had changed it since it was
    // read or written here, while this side had changes of its own; empty when it had not.
    std::string conflictCopy;
};

inline constexpr std::int16_t kCurrentVersion = 4;

// quillbox.dat in the given directory.
std::string dataFilePath(const std::string& directory);

// The data file: reads the records at start-up, the options block once the program is ready
// for it, and writes everything back as the current version. A save never leaves a torn file:
// it writes a temporary file beside the data file and renames it over the old one. Before the
// first save replaces a damaged, unreadable, old-layout, version 3 or later-version file, the
// file's bytes are kept as quillbox.dat.bak (earlier backups move on to .bak.1 and .bak.2).
class DataFile {
public:
    explicit DataFile(std::string path);

    const std::string& path() const { return path_; }
    // Beside the file itself, not beside a link to it: a backup goes where the file goes (a
    // synced folder, say), as a conflict copy does.
    std::string backupPath() const;

    // Clears away the temporary files of saves that were cut off. Only for the program that
    // holds the data file's lock: another one may be saving.
    void removeLeftovers();
    // Reads the record block into the (empty) holder.
    LoadResult load(PostItHolder& holder, OldFileQuestions& questions);
    // The same from bytes already in memory.
    LoadResult loadFromBytes(std::vector<std::uint8_t> bytes, PostItHolder& holder,
                             OldFileQuestions& questions);
    // Reads the options block that follows the records, over the current values. Does nothing
    // when there is no file or the records were damaged. Returns false when the block itself
    // was damaged (the values read before the damage are kept).
    bool readOptions(Options& options);
    // The version the file was read as (4 before any load and when there was no file).
    int fileVersion() const { return version_; }
    // The first damage met by load() or readOptions(); empty when there was none.
    const FileDamage& damage() const { return damage_; }

    // Writes version 4: the records with their Stickums' current positions, then the options.
    // When the file on disk is no longer the one last read or written here (a sync engine
    // brought another machine's version), it is never overwritten unseen: with nothing new on
    // this side nothing is written; otherwise it is first kept as a conflict copy, unless it
    // holds just what was last read or written here. A failed save names no conflict copy.
    SaveResult save(PostItHolder& holder, const Options& options);
    // Whether the file on disk is another one than the one last read or written here.
    bool changedOnDisk() const { return known_ && identityOf(path_) != *known_; }
    // The records and options as read: what later saves compare with to know whether this
    // side has anything new.
    void markInStep(PostItHolder& holder, const Options& options) {
        // Stickums just put on the desktop may not stand where they will yet.
        inStep_ = encode(holder, options, false);
    }
    // The bytes save() writes. Live Stickums' positions are taken into the records first.
    // Without livePlaces, the positions recorded in the entries are written instead.
    static std::vector<std::uint8_t> encode(PostItHolder& holder, const Options& options,
                                            bool livePlaces = true);

private:
    LoadResult parse(PostItHolder& holder, OldFileQuestions& questions);

    std::string path_;
    int version_ = kCurrentVersion;
    std::vector<std::uint8_t> bytes_; // the file as read
    std::size_t optionsOffset_ = 0;   // where the options block starts in bytes_
    bool optionsReadable_ = false;
    bool keepBackup_ = false; // the first save keeps the original bytes as the backup
    bool unreadable_ = false; // the file exists but could not be read
    FileDamage damage_;
    // The file on disk as last read or written here; none before either.
    std::optional<FileIdentity> known_;
    std::vector<std::uint8_t> inStep_; // what the file held then
};
