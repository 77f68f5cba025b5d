#pragma once

#include "model/result.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// A short name for the data file, the same however the file is reached: the file a save writes
// (through symlinks, even to a file not made yet), by its folder as that is on the disk (a second
// mount of the folder is the same folder) and its name.
QString dataFileKey(const QString& dataPath);

// What Quillbox keeps about one data file in the user's own state folder
// ($XDG_STATE_HOME/Quillbox, or ~/.local/state/Quillbox), never beside the data file, so that a
// folder kept in step between machines carries none of it: the version last read or written
// here (what a merge starts from), the latest versions that came from elsewhere (what a sync
// tool's conflict copy is merged against), the conflict copies merged already, and the rescue
// copy of a stop whose save failed. All of it is open to the user alone.
class StateFolder {
public:
    // The user's state folder for Quillbox.
    static QString userFolder();

    // The data file's own part of the folder, named after the file as the lock is (however the
    // file is reached). Nothing is made until something is kept.
    explicit StateFolder(const QString& dataPath, const QString& folder = userFolder());

    // The version last read or written here; none before the first.
    std::optional<std::vector<std::uint8_t>> base() const;
    void keepBase(const std::vector<std::uint8_t>& bytes);

    // A version that came from elsewhere, with the modification time it had on disk. The last
    // few are kept.
    void keepArrival(const std::vector<std::uint8_t>& bytes, std::int64_t modifiedNs);
    // The latest of them older than the time: the version a copy made then comes from.
    std::optional<std::vector<std::uint8_t>> arrivalBefore(std::int64_t modifiedNs) const;

    // A conflict copy (by name, size and modification time) that was merged, or kept by this
    // Quillbox itself: it is not merged again.
    bool handled(const QString& copyPath) const;
    void markHandled(const QString& copyPath);

    // Keeps the bytes that a stop could not save: in the state folder, or where that cannot be
    // written in the temporary folder (open to the user alone). Where they went.
    Result keepRescue(const std::vector<std::uint8_t>& bytes, QString& where);
    // A rescue copy of an earlier stop, or empty.
    QString rescueCopy() const;
    // The rescue copy was taken: it goes. Declined: it is put aside and not offered again.
    void dropRescue(bool taken);

    const QString& folder() const { return folder_; }

private:
    QString file(const QString& name) const;
    QString rescueInTemporaryFolder() const;
    // The versions kept as they came from elsewhere: their times and files, the latest first.
    std::vector<std::pair<qint64, QString>> arrivals() const;
    Result keep(const QString& name, const std::vector<std::uint8_t>& bytes) const;

    QString folder_; // this data file's part of the state folder
    QString key_;
};
