#include "process/commandchannel.h"
#include "process/singleinstance.h"
#include "process/unixsocket.h"
#include "setfor.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <future>

#include <gtest/gtest.h>

namespace {

int connectedTo(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_un address = unixsocket::addressOf(QFile::encodeName(path)).value();
    EXPECT_EQ(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    return fd;
}

// The answer sent from another thread: the server is served by this thread's event loop.
std::optional<CommandAnswer> sendWhileServing(const QString& path, const QString& text) {
    auto answer =
        std::async(std::launch::async, [&] { return sendCommand(path, Command::NewNote, text); });
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
        10000));
    return answer.get();
}

} // namespace

TEST(CommandChannel, CallersThatSayNothingOrTooMuchHoldNobodyUp) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quillbox.socket"));
    QFile left(path); // left by a Quillbox that died
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.close();
    {
        CommandServer server(path, [](Command command, const QString& text) {
            return command == Command::NewNote && text == QStringLiteral("later")
                       ? QStringLiteral("Not now.")
                       : QString();
        });
        ASSERT_TRUE(server.listening());
        struct stat made {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &made), 0);
        EXPECT_TRUE(S_ISSOCK(made.st_mode));
        EXPECT_EQ(made.st_mode & 0777, 0600u);

        // One stops half-way through its line, one sends a line longer than any command.
        const int halting = connectedTo(path);
        EXPECT_EQ(::send(halting, "{\"command\":", 11, MSG_NOSIGNAL), 11);
        const int chatty = connectedTo(path);
        const QByteArray endless(70 * 1024, 'x');
        EXPECT_EQ(::send(chatty, endless.constData(), endless.size(), MSG_NOSIGNAL),
                  endless.size());
        EXPECT_EQ(sendWhileServing(path, QStringLiteral("later")),
                  CommandAnswer(QStringLiteral("Not now.")));
        EXPECT_EQ(sendWhileServing(path, QString()), CommandAnswer());
        // The endless line is closed at once, without an answer.
        const auto closed = [chatty] {
            char byte = 0;
            const auto got = ::recv(chatty, &byte, 1, MSG_DONTWAIT);
            return got == 0 || (got < 0 && errno != EAGAIN);
        };
        EXPECT_TRUE(QTest::qWaitFor(closed, 2000));
        ::close(halting);
        ::close(chatty);
    }
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(sendCommand(path, Command::Show), std::nullopt);

    // A path the socket address cannot hold is refused, not cut short.
    const QString tooLong = dir.filePath(QString(120, QLatin1Char('q')));
    EXPECT_FALSE(CommandServer(tooLong, {}).listening());
    EXPECT_EQ(sendCommand(tooLong, Command::Show), std::nullopt);
}

TEST(CommandChannel, WithoutAPrivateRuntimeFolderNoLockOrSocketGoesToASharedOne) {
    // XDG_RUNTIME_DIR and the toolkit's own private fallback both unusable: another user could
    // have made them. The shared temporary folder would let anyone take the lock first or
    // answer the commands.
    QTemporaryDir shared;
    const QString user = QString::fromLocal8Bit(::getpwuid(::getuid())->pw_name);
    for (const QString& name :
         {QStringLiteral("not-a-folder"), QStringLiteral("runtime-") + user}) {
        QFile blocker(shared.filePath(name));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    const QString dataPath = shared.filePath(QStringLiteral("quillbox.dat"));
    RuntimeNames names;
    {
        const SetFor runtime("XDG_RUNTIME_DIR", shared.filePath(QStringLiteral("not-a-folder")));
        const SetFor temporary("TMPDIR", shared.path());
        names = runtimeNamesFor(dataPath);
        SingleInstance instance(dataPath);
        EXPECT_FALSE(instance.acquired());
        EXPECT_FALSE(instance.problem().isEmpty());
    }
    EXPECT_TRUE(names.lockFile.isEmpty()) << names.lockFile.toStdString();
    EXPECT_TRUE(names.socketName.isEmpty()) << names.socketName.toStdString();
    EXPECT_EQ(QDir(shared.path())
                  .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                  .size(),
              2);
}
