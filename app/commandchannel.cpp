#include "app/commandchannel.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <array>
#include <utility>

namespace {

// One command is one line of JSON; a note is at most a few hundred bytes.
constexpr qint64 kMaxLineBytes = 64 * 1024;
constexpr int kClientPatienceMs = 5000;
constexpr const char* kDone = "ok";

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

} // namespace

CommandServer::CommandServer(const QString& socketName, Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(socketName);
    listening_ = server_->listen(socketName);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection())
            take(socket);
    });
}

void CommandServer::take(QLocalSocket* socket) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
    // A caller that never finishes its command is not waited for.
    QTimer::singleShot(kClientPatienceMs, socket, [socket] { socket->abort(); });
    if (socket->bytesAvailable() > 0) read(socket);
}

void CommandServer::read(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxLineBytes) socket->abort();
        return;
    }
    const QJsonObject message =
        QJsonDocument::fromJson(socket->readLine(kMaxLineBytes + 1)).object();
    const auto command = commandNamed(message.value(QStringLiteral("command")).toString());
    const QString answer =
        command ? handler_(*command, message.value(QStringLiteral("text")).toString())
                : QStringLiteral("Unknown command.");
    socket->write((answer.isEmpty() ? QString::fromLatin1(kDone) : answer).toUtf8() + '\n');
    socket->flush();
    socket->disconnectFromServer();
}

std::optional<QString> sendCommand(const QString& socketName, Command command,
                                   const QString& text) {
    QLocalSocket socket;
    socket.connectToServer(socketName);
    if (!socket.waitForConnected(kClientPatienceMs)) return std::nullopt;
    QJsonObject message{{QStringLiteral("command"), QString::fromLatin1(nameOf(command))}};
    if (!text.isEmpty()) message.insert(QStringLiteral("text"), text);
    socket.write(QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n');
    socket.waitForBytesWritten(kClientPatienceMs);
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(kClientPatienceMs)) break;
    if (!socket.canReadLine()) return QStringLiteral("Quillbox did not answer.");
    const QString answer = QString::fromUtf8(socket.readLine()).trimmed();
    return answer == QLatin1String(kDone) ? QString() : answer;
}
