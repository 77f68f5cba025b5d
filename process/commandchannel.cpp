#include "process/commandchannel.h"

#include "look/l10n.h"
#include "process/unixsocket.h"
#include "storage/descriptor.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <thread>
#include <utility>

namespace {

using namespace unixsocket;

// One command is one line of JSON; a note is at most a few hundred bytes.
constexpr qsizetype kMaxLineBytes = 64 * 1024;
constexpr int kClientPatienceMs = 5000;
constexpr int kBusyRetryMs = 100;
constexpr const char* kDone = "ok";

// The answer's line: "ok" when done, else the status and the reason as JSON.
QByteArray answerText(const CommandAnswer& answer) {
    if (answer.status == 0) return QByteArray(kDone) + '\n';
    const QJsonObject object{{QStringLiteral("status"), answer.status},
                             {QStringLiteral("why"), answer.why}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

CommandAnswer answerFrom(const QByteArray& line) {
    const QByteArray said = line.trimmed();
    if (said == kDone) return {};
    const QJsonObject object = QJsonDocument::fromJson(said).object();
    if (object.contains(QStringLiteral("status")))
        return {object.value(QStringLiteral("status")).toInt(kFailureStatus),
                object.value(QStringLiteral("why")).toString()};
    return QString::fromUtf8(said); // a reason alone
}

constexpr std::array<std::pair<Command, const char*>, 4> kNames{{
    {Command::Toggle, "toggle"},
    {Command::Show, "show"},
    {Command::NewNote, "new-note"},
    {Command::Quit, "quit"},
}};

const char* nameOf(Command command) {
    for (const auto& [known, name] : kNames)
        if (known == command) return name;
    return "";
}

std::optional<Command> commandNamed(const QString& name) {
    for (const auto& [known, knownName] : kNames)
        if (name == QLatin1String(knownName)) return known;
    return std::nullopt;
}

// One caller, on the running Quillbox's side: its line is read as it comes, its command carried
// out, the answer written, and the caller closed. The user-interface thread never waits on it.
class Caller : public QObject {
public:
    Caller(int fd, const CommandServer::Handler& handler, QObject* parent)
        : QObject(parent), fd_(fd), handler_(handler),
          reader_(new QSocketNotifier(fd, QSocketNotifier::Read, this)),
          writer_(new QSocketNotifier(fd, QSocketNotifier::Write, this)) {
        writer_->setEnabled(false);
        connect(reader_, &QSocketNotifier::activated, this, &Caller::readWaiting);
        connect(writer_, &QSocketNotifier::activated, this, &Caller::writeWaiting);
        // A caller that never finishes its command is not waited for.
        QTimer::singleShot(kClientPatienceMs, this, &Caller::drop);
    }
    ~Caller() override { close(); }

private:
    void readWaiting() {
        for (;;) {
            const Received received = receiveSome(fd_, read_);
            if (received == Received::NoneYet) return;
            const Line line = lineIn(read_, kMaxLineBytes);
            if (line.state == Line::Whole) return answer(line.text);
            // Gone before the line was whole, or a line no command has.
            if (received == Received::Ended || line.state == Line::TooLong) return drop();
        }
    }

    void answer(const QByteArray& line) {
        reader_->setEnabled(false);
        const QJsonObject message = QJsonDocument::fromJson(line).object();
        const auto command = commandNamed(message.value(QStringLiteral("command")).toString());
        const QPointer<Caller> alive(this);
        const CommandAnswer answer =
            command ? handler_(*command, message.value(QStringLiteral("text")).toString())
                    : CommandAnswer(l10n::text(QT_TRANSLATE_NOOP("msg", "Unknown command.")));
        // The handler may have let events run, among them this caller's patience running out.
        if (!alive || fd_ < 0) return;
        write_ = answerText(answer);
        writeWaiting();
    }

    void writeWaiting() {
        while (written_ < write_.size()) {
            const qsizetype sent = sendSome(fd_, write_, written_);
            if (sent < 0) return drop();
            if (sent == 0) return writer_->setEnabled(true);
            written_ += sent;
        }
        drop();
    }

    void drop() {
        close();
        deleteLater();
    }

    void close() {
        if (fd_ < 0) return;
        reader_->setEnabled(false);
        writer_->setEnabled(false);
        ::close(fd_);
        fd_ = -1;
    }

    int fd_;
    const CommandServer::Handler& handler_;
    QSocketNotifier* reader_;
    QSocketNotifier* writer_;
    QByteArray read_;
    QByteArray write_;
    qsizetype written_ = 0;
};

enum class Connection { Made, NobodyListens, Busy };

// Connects within the deadline; a Quillbox whose queue of callers is full is waited for.
Connection connectTo(int fd, const sockaddr_un& address, QDeadlineTimer deadline) {
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return Connection::Made;
        switch (errno) {
        case EISCONN:
            return Connection::Made;
        case EINTR:
            continue;
        case EAGAIN:
        case EALREADY:
        case EINPROGRESS:
            if (deadline.hasExpired()) return Connection::Busy;
            std::this_thread::sleep_for(std::chrono::milliseconds(kBusyRetryMs / 5));
            continue;
        default:
            return Connection::NobodyListens;
        }
    }
}

// Reads the answer's line within the deadline.
std::optional<QByteArray> answerLine(int fd, QDeadlineTimer deadline) {
    QByteArray read;
    for (;;) {
        const Line line = lineIn(read, kMaxLineBytes);
        if (line.state == Line::Whole) return line.text;
        if (line.state == Line::TooLong) return std::nullopt;
        const Received received = receiveSome(fd, read);
        if (received == Received::Ended) return std::nullopt;
        if (received == Received::NoneYet && !waitFor(fd, POLLIN, deadline)) return std::nullopt;
    }
}

} // namespace

CommandServer::CommandServer(const QString& socketName, Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)), path_(QFile::encodeName(socketName)) {
    if (!listen()) return;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CommandServer::acceptWaiting);
}

CommandServer::~CommandServer() {
    if (fd_ < 0) return;
    if (notifier_) notifier_->setEnabled(false);
    ::close(fd_);
    struct stat now {};
    if (::stat(path_.constData(), &now) == 0 && now.st_dev == device_ && now.st_ino == inode_)
        ::unlink(path_.constData());
}

bool CommandServer::listen() {
    const auto address = addressOf(path_);
    if (!address) return false;
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd_ < 0) return false;
    // The socket file takes the socket's mode when it is made: the user's alone from the start.
    ::fchmod(fd_, S_IRUSR | S_IWUSR);
    ::unlink(path_.constData());
    const bool bound =
        ::bind(fd_, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0;
    struct stat made {};
    if (bound && ::chmod(path_.constData(), S_IRUSR | S_IWUSR) == 0 &&
        ::stat(path_.constData(), &made) == 0 && ::listen(fd_, SOMAXCONN) == 0) {
        device_ = made.st_dev;
        inode_ = made.st_ino;
        return true;
    }
    if (bound) ::unlink(path_.constData());
    ::close(fd_);
    fd_ = -1;
    return false;
}

void CommandServer::acceptWaiting() {
    for (;;) {
        const int caller = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (caller >= 0) {
            new Caller(caller, handler_, this);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED) continue;
        if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
            // Out of descriptors: the caller waits in the queue and is tried again shortly,
            // rather than at every turn of the event loop.
            notifier_->setEnabled(false);
            QTimer::singleShot(kBusyRetryMs, this, [this] { notifier_->setEnabled(true); });
        }
        return;
    }
}

std::optional<CommandAnswer> sendCommand(const QString& socketName, Command command,
                                         const QString& text) {
    const auto address = addressOf(QFile::encodeName(socketName));
    if (!address) return std::nullopt;
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0) return std::nullopt;
    const auto connection = connectTo(socket.get(), *address, QDeadlineTimer(kClientPatienceMs));
    if (connection == Connection::NobodyListens) return std::nullopt;

    QJsonObject message{{QStringLiteral("command"), QString::fromLatin1(nameOf(command))}};
    if (!text.isEmpty()) message.insert(QStringLiteral("text"), text);
    const QByteArray line = QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n';
    const auto answer = connection == Connection::Made &&
                                sendAll(socket.get(), line, QDeadlineTimer(kClientPatienceMs))
                            ? answerLine(socket.get(), QDeadlineTimer(kClientPatienceMs))
                            : std::nullopt;
    if (!answer)
        return CommandAnswer(l10n::text(QT_TRANSLATE_NOOP("msg", "Quillbox did not answer.")));
    return answerFrom(*answer);
}
