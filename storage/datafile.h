#pragma once

#include "model/holder.h"
#include "model/options.h"
#include "model/result.h"
#include "storage/atomic_file.h"
#include "storage/fileidentity.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Whether a file of the old layout (versions 0 to 2) or of a later version than this one writes
// is read: true reads on (what this version knows of a later file), false leaves it and the
// program ends with status 0. The program asks the user; a reader that asks nobody has its
// answer ready.
class OldFileQuestions {
public:
    static OldFileQuestions answered(bool readOn) { return OldFileQuestions(readOn, {}); }
    // The question is put for the version found.
    static OldFileQuestions askedBy(std::function<bool(int version)> ask) {
        return OldFileQuestions(false, std::move(ask));
    }

    bool continueReading(int version) const { return ask_ ? ask_(version) : readOn_; }

private:
    OldFileQuestions(bool readOn, std::function<bool(int)> ask)
        : readOn_(readOn), ask_(std::move(ask)) {}

    bool readOn_;
    std::function<bool(int)> ask_;
};

enum class LoadStatus {
    NoFile,        // first run: empty list, initial options
    Loaded,        // read completely
    Damaged,       // read up to the damage; what came before it is kept
    Unreadable,    // there but not readable (no permission, an I/O error): nothing was read
    NotAFile,      // a directory, FIFO, device or socket: left alone, end with status 1
    Declined,      // old layout or a later version, the user chose not to read it: end with 0
    OldFileFailed, // old layout that could not be read (problem: why): end with status 1
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

// What a write of the data file met.
struct WriteReport {
    Result result = Result::done();
    // A version that stood in the file's place when the new bytes took it and that was not the
    // one last read or written here: someone else put it there after the caller last looked.
    // Its bytes; none when nothing of the kind happened.
    std::optional<std::vector<std::uint8_t>> intruder;
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
    LoadResult load(PostItHolder& holder, const OldFileQuestions& questions);
    // The same from bytes already in memory.
    LoadResult loadFromBytes(std::vector<std::uint8_t> bytes, PostItHolder& holder,
                             const OldFileQuestions& questions);
    // Reads the options block that follows the records, over the current values. Does nothing
    // when there is no file or the records were damaged. Returns false when the block itself
    // was damaged (the values read before the damage are kept).
    bool readOptions(Options& options);
    // The first damage met by load() or readOptions(); empty when there was none.
    const FileDamage& damage() const { return damage_; }

    // Writes version 4: the records with their places, then the options, whatever is on disk.
    Result save(const PostItHolder& holder, const Options& options);
    // Puts the bytes in the data file's place, keeping the file as read first as the backup
    // when that is due. The file that stood there is traded for the new one in one step: one
    // that is not the version last read or written here comes back as the report's intruder.
    WriteReport write(const std::vector<std::uint8_t>& bytes);
    // Whether the file as read is not what this program writes (damaged, unreadable, of another
    // version): the next save writes it anew, keeping the original as the backup.
    bool needsRewrite() const { return keepBackup_; }
    // Tests slow down or break the saves between their steps.
    void setSaveStageHook(SaveStageHook hook) { stageHook_ = std::move(hook); }
    // Whether the file on disk is another one than the one last read or written here.
    bool changedOnDisk() const { return known_ && identityOf(path_) != *known_; }
    // The version on disk as the caller has just read it: from now on it is the known one.
    void takeAsKnown(const FileIdentity& seen) { known_ = seen; }
    // The file's bytes as load() read them.
    const std::vector<std::uint8_t>& bytesRead() const { return bytes_; }
    // The bytes save() writes.
    static std::vector<std::uint8_t> encode(const PostItHolder& holder, const Options& options);
    // The same with what this desktop and the date put there rather than the user masked out
    // (the caption colour while the desktop's is followed, whether a lending or reminder is
    // due): two versions that give the same bytes hold the same for the user.
    static std::vector<std::uint8_t> comparable(const PostItHolder& holder, const Options& options);

private:
    friend struct DataFileTestPeer;

    LoadResult parse(PostItHolder& holder, const OldFileQuestions& questions);

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
    SaveStageHook stageHook_;
};

// One record's fields as the data file holds them, without its kind and place; a lending's or
// reminder's due state, which the date decides, is left out. Records with the same bytes are
// the same for the user.
std::vector<std::uint8_t> encodeRecord(const PostIt& record);
// The record of the kind that those bytes hold; none when they hold no whole record of it.
std::unique_ptr<PostIt> decodeRecord(int kind, const std::vector<std::uint8_t>& bytes);
