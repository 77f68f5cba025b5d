#pragma once

#include <QByteArray>
#include <QDeadlineTimer>

#include <sys/un.h>

#include <optional>

// The few calls the command socket makes on a local stream socket: retried when a signal breaks
// them off, never raising SIGPIPE, never waiting unless told how long.
namespace unixsocket {

// The socket's address; nothing when the path does not fit (it is never cut short).
std::optional<sockaddr_un> addressOf(const QByteArray& path);

// Sends what the socket takes now: the number of bytes sent (0: none yet), or -1 when the other
// end is gone.
qsizetype sendSome(int fd, const QByteArray& data, qsizetype from = 0);
// Sends everything, waiting for room until the deadline; false when that could not be done.
bool sendAll(int fd, const QByteArray& data, QDeadlineTimer deadline);

enum class Received { Some, NoneYet, Ended };
// Appends what has arrived to buffer, without waiting. Ended: the other end closed, or an error.
Received receiveSome(int fd, QByteArray& buffer);

// Waits until the socket can be read (POLLIN) or written (POLLOUT), or the deadline passes.
bool waitFor(int fd, short events, QDeadlineTimer deadline);

// What a buffer holds so far: a whole line (its text without the line end), not yet a whole
// one, or a line longer than maxBytes.
struct Line {
    enum State { Whole, Partial, TooLong } state;
    QByteArray text;
};
Line lineIn(const QByteArray& buffer, qsizetype maxBytes);

} // namespace unixsocket
