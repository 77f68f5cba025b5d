#pragma once

#include "app/commandline.h"

#include <QObject>
#include <QString>

#include <sys/types.h>

#include <functional>
#include <optional>

class QSocketNotifier;

// The running Quillbox's end of the command socket: takes the commands a second start hands
// over (--toggle, --show, --new-note, --quit) and gives each to the handler, whose answer goes
// back (empty: done; otherwise why not). The socket is the user's alone; one left by a Quillbox
// that died is replaced (the caller holds the data file's lock, so nobody else uses it).
// socketName is the socket's full path.
class CommandServer : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<QString(Command command, const QString& text)>;

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
// for its answer. Nothing when no Quillbox listens there; otherwise the answer (empty: done).
std::optional<QString> sendCommand(const QString& socketName, Command command,
                                   const QString& text = {});
