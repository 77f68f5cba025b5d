#include "process/unixsocket.h"

#include <poll.h>
#include <sys/socket.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace unixsocket {

std::optional<sockaddr_un> addressOf(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || path.size() >= qsizetype(sizeof address.sun_path)) return std::nullopt;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return address;
}

qsizetype sendSome(int fd, const QByteArray& data, qsizetype from) {
    for (;;) {
        const ssize_t sent =
            ::send(fd, data.constData() + from, std::size_t(data.size() - from), MSG_NOSIGNAL);
        if (sent >= 0) return sent;
        if (errno == EINTR) continue;
        return errno == EAGAIN || errno == EWOULDBLOCK ? 0 : -1;
    }
}

bool sendAll(int fd, const QByteArray& data, QDeadlineTimer deadline) {
    for (qsizetype done = 0; done < data.size();) {
        const qsizetype sent = sendSome(fd, data, done);
        if (sent < 0) return false;
        if (sent == 0 && !waitFor(fd, POLLOUT, deadline)) return false;
        done += sent;
    }
    return true;
}

Received receiveSome(int fd, QByteArray& buffer) {
    std::array<char, 4096> chunk{};
    for (;;) {
        const ssize_t got = ::recv(fd, chunk.data(), chunk.size(), 0);
        if (got > 0) {
            buffer.append(chunk.data(), got);
            return Received::Some;
        }
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return Received::NoneYet;
        return Received::Ended;
    }
}

bool waitFor(int fd, short events, QDeadlineTimer deadline) {
    pollfd watched{fd, events, 0};
    for (;;) {
        // Ready, closed or failed alike: the next call on the socket tells which.
        const int ready = ::poll(&watched, 1, int(deadline.remainingTime()));
        if (ready >= 0) return ready > 0;
        if (errno != EINTR) return false;
    }
}

Line lineIn(const QByteArray& buffer, qsizetype maxBytes) {
    const qsizetype end = buffer.indexOf('\n');
    if (end > maxBytes || (end < 0 && buffer.size() > maxBytes)) return {Line::TooLong, {}};
    if (end < 0) return {Line::Partial, {}};
    return {Line::Whole, buffer.left(end)};
}

} // namespace unixsocket
