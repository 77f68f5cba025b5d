#pragma once

#include <QString>

#include <optional>

// Where the lock and the command socket of a data file live, both named after the data file (its
// folder as it is on the disk, however it is reached, and its name). The lock is in the user's
// state folder ($XDG_STATE_HOME/Quillbox, open to the user only): whatever becomes of the
// runtime folder, or however many sessions the user has, one Quillbox runs per data file. The
// socket is in the user's runtime folder (XDG_RUNTIME_DIR). Nothing of them stands beside the
// data file, so a folder kept in step between machines never carries another machine's lock.
// Both empty when there is no runtime folder that is the user's alone: in a shared one another
// user could answer the commands.
struct RuntimeNames {
    QString lockFile;
    QString socketName;
};
RuntimeNames runtimeNamesFor(const QString& dataPath);

// What the lock file of a running Quillbox says about it.
struct Holder {
    qint64 pid = 0;
    QString socketName; // where it takes commands; empty until it does
};

// One Quillbox per data file: the first start takes the data file's lock, a second start finds
// it taken. The lock is the kernel's (an open file description lock): it goes with the process
// that held it, however that ended.
class SingleInstance {
public:
    explicit SingleInstance(const QString& dataPath);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this program is the only one using the data file.
    bool acquired() const { return fd_ >= 0; }
    // Gives the lock back (and removes its file) before the program ends by a way that unwinds
    // nothing.
    void release();
    // Tries once more (the one that held the lock may have ended since).
    bool tryAgain();
    // Once this program takes commands on the socket: written into the lock file for commands
    // given where the runtime folder is another one.
    void announce(const QString& socketName);
    // The Quillbox that holds the lock, as its lock file tells; nothing when no other holds it.
    std::optional<Holder> holder() const;
    const RuntimeNames& names() const { return names_; }
    // Why no lock could be taken at all, when that is not another Quillbox holding it.
    const QString& problem() const { return problem_; }

private:
    RuntimeNames names_;
    int fd_ = -1;
    QString problem_;
};

// Removes the command sockets that Quillboxes which ended without a word (killed, crashed) left
// in the runtime folder: only ours by name and owner, whose data file's lock nobody holds and on
// which nobody listens. Returns how many went.
int removeStaleSockets(const QString& runtimeFolder);
