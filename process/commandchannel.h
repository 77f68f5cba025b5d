#pragma once

#include "process/commandline.h"

#include <QObject>
#include <QString>

#include <sys/types.h>

#include <functional>
#include <optional>
#include <utility>

class QSocketNotifier;

// What the running Quillbox answers a command: the exit status the command ends with (0: done;
// kNotSavedStatus: done in part) and why it was not done, or not wholly.
struct CommandAnswer {
    int status = 0;
    QString why;

    CommandAnswer() = default;
    CommandAnswer(int exitStatus, QString reason) : status(exitStatus), why(std::move(reason)) {}
    // Refused for this reason; the empty text is done.
    CommandAnswer(const QString& refused) // NOLINT: a reason alone is a refusal
        : status(refused.isEmpty() ? 0 : kFailureStatus), why(refused) {}
    bool operator==(const CommandAnswer&) const = default;
};

// The running Quillbox's end of the command socket: takes the commands a second start hands
// over (--toggle, --show, --new-note, --quit) and gives each to the handler, whose answer goes
// back. The socket is the user's alone; one left by a Quillbox
// that died is replaced (the caller holds the data file's lock, so nobody else uses it).
// socketName is the socket's full path.
class CommandServer : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<CommandAnswer(Command command, const QString& text)>;

    CommandServer(const QString& socketName, Handler handler, QObject* parent = nullptr);
    ~CommandServer() override;
    bool listening() const { return fd_ >= 0; }

private:
    bool listen();
    void acceptWaiting();

    Handler handler_;
    QByteArray path_;
    int fd_ = -1;
    // The socket file as bound: removed at the end only while it is still this one.
    dev_t device_ = 0;
    ino_t inode_ = 0;
    QSocketNotifier* notifier_ = nullptr;
};

// The second start's end: hands the command to the Quillbox listening on the socket and waits
// for its answer. Nothing when no Quillbox listens there; otherwise its answer.
std::optional<CommandAnswer> sendCommand(const QString& socketName, Command command,
                                         const QString& text = {});
