#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Where the lock and the command socket of a data file live: in the user's runtime folder
// (XDG_RUNTIME_DIR), named after the data file (its folder as it is on the disk, however it is
// reached, and its name). Nothing of them stands beside the data file, so a folder kept in step
// between machines never carries another machine's lock.
// Both empty when there is no runtime folder that is the user's alone: in a shared one another
// user could take the lock first or answer the commands.
struct RuntimeNames {
    QString lockFile;
    QString socketName;
};
RuntimeNames runtimeNamesFor(const QString& dataPath);

// One Quillbox per data file: the first start takes the data file's lock, a second start finds
// it taken. A lock left by a Quillbox that died is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& dataPath);

    // True when this program is the only one using the data file.
    bool acquired() const { return acquired_; }
    // Gives the lock back before the program ends by a way that unwinds nothing.
    void release();
    // Tries once more (the one that held the lock may have ended since).
    bool tryAgain();
    const RuntimeNames& names() const { return names_; }
    // Why no lock could be taken at all, when that is not another Quillbox holding it.
    const QString& problem() const { return problem_; }

private:
    RuntimeNames names_;
    std::unique_ptr<QLockFile> lock_;
    bool acquired_ = false;
    QString problem_;
};
