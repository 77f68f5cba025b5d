#include "process/desktopentry.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

QString contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class StartAtLogin : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(config.isValid());
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

    QTemporaryDir config;
};

TEST_F(StartAtLogin, TheEntryIsMadeWithTheDataFileAndRemoved) {
    EXPECT_EQ(Autostart::entryPath(),
              config.filePath(QStringLiteral("autostart/org.quillbox.Quillbox.desktop")));
    EXPECT_FALSE(Autostart::on());
    const Autostart autostart(startCommand(QStringLiteral("/opt/q box/quillbox"),
                                           QStringLiteral("/home/u/my notes.dat")));
    ASSERT_TRUE(autostart.set(true).ok());
    EXPECT_TRUE(Autostart::on());
    const QString entry = contentOf(Autostart::entryPath());
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n"))) << entry.toStdString();
    EXPECT_TRUE(entry.contains(
        QStringLiteral("\nExec=\"/opt/q box/quillbox\" --data \"/home/u/my notes.dat\"\n")));
    EXPECT_TRUE(entry.contains(QString::fromUtf8("\nComment[de]=Haftnotizen, Ausleihen")));

    ASSERT_TRUE(autostart.set(false).ok());
    EXPECT_FALSE(QFile::exists(Autostart::entryPath()));
    EXPECT_FALSE(Autostart::on());
    EXPECT_TRUE(autostart.set(false).ok()) << "nothing to remove is no failure";
}

TEST_F(StartAtLogin, AnEntryTheDesktopHidIsOffAndAFolderInTheWayFails) {
    ASSERT_TRUE(Autostart(startCommand(QStringLiteral("quillbox"), {})).set(true).ok());
    QFile entry(Autostart::entryPath());
    ASSERT_TRUE(entry.open(QIODevice::Append));
    entry.write("Hidden=true\n");
    entry.close();
    EXPECT_FALSE(Autostart::on());

    QFile::remove(Autostart::entryPath());
    QFile::remove(config.filePath(QStringLiteral("autostart")));
    QDir(config.path()).rmdir(QStringLiteral("autostart"));
    QFile blocker(config.filePath(QStringLiteral("autostart")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Result set = Autostart(startCommand(QStringLiteral("quillbox"), {})).set(true);
    EXPECT_FALSE(set.ok());
    EXPECT_FALSE(set.why().empty());
}

struct Quoting {
    QStringList command;
    QString exec;
};

void PrintTo(const Quoting& quoting, std::ostream* out) {
    *out << quoting.exec.toStdString();
}

class ExecLine : public ::testing::TestWithParam<Quoting> {};

TEST_P(ExecLine, QuotesAndEscapesAsDesktopEntriesWant) {
    EXPECT_EQ(execLine(GetParam().command), GetParam().exec);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ExecLine,
    ::testing::Values(
        Quoting{{"quillbox"}, "quillbox"},
        Quoting{{"/usr/bin/quillbox", "--data", "/home/u/q.dat"},
                "/usr/bin/quillbox --data /home/u/q.dat"},
        Quoting{{"/a b/quillbox"}, "\"/a b/quillbox\""},
        // Within quotes ", `, $ and \ take a backslash, which the entry's string escapes again.
        Quoting{{"q", "--data", "/x/\"$HOME\"\\n.dat"},
                "q --data \"/x/\\\\\"\\\\$HOME\\\\\"\\\\\\\\n.dat\""},
        // A percent sign is no field code.
        Quoting{{"q", "--data", "/x/100%.dat"}, "q --data /x/100%%.dat"},
        Quoting{{"q", "--new-note", ""}, "q --new-note \"\""}));

} // namespace
