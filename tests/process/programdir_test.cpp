#include "document/filefollower.h"
#include "model/catalogue.h"
#include "process/programdir.h"
#include "process/singleinstance.h"

#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/mount.h>

TEST(ProgramDirectory, DataStaysBesideAWritableProgram) {
    QTemporaryDir dir;
    EXPECT_TRUE(isWritableDirectory(dir.path()));
    EXPECT_EQ(dataDirectoryFor(dir.path()), dir.path());
    EXPECT_FALSE(programDirectory().isEmpty());
}

TEST(ProgramDirectory, AnUnwritableProgramDirectoryUsesTheUserDataDirectory) {
    QStandardPaths::setTestModeEnabled(true);
    // A new folder for the notes is open to its owner only.
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    // /proc refuses new files even to the superuser; a missing folder cannot take them either.
    for (const QString& place : {QStringLiteral("/proc"), QStringLiteral("/no/such/folder")}) {
        EXPECT_FALSE(isWritableDirectory(place));
        const QString chosen = dataDirectoryFor(place);
        EXPECT_EQ(chosen, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        EXPECT_TRUE(isWritableDirectory(chosen));
        EXPECT_EQ(QFile::permissions(chosen) & 0x7077,
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QStandardPaths::setTestModeEnabled(false);
}

TEST(ProgramDirectory, TheAlertSoundIsFoundBesideTheProgramOrWhereItIsInstalled) {
    QTemporaryDir root;
    QDir(root.path()).mkpath(QStringLiteral("bin"));
    QDir(root.path()).mkpath(QStringLiteral("share/quillbox"));
    const QString bin = root.filePath(QStringLiteral("bin"));
    const QString installed = root.filePath(QStringLiteral("share/quillbox/ding.wav"));
    EXPECT_EQ(defaultWaveFileFor(bin), bin + QStringLiteral("/ding.wav")); // neither: beside
    QFile(installed).open(QIODevice::WriteOnly);
    EXPECT_EQ(defaultWaveFileFor(bin), installed);
    QFile(bin + QStringLiteral("/ding.wav")).open(QIODevice::WriteOnly);
    EXPECT_EQ(defaultWaveFileFor(bin), bin + QStringLiteral("/ding.wav"));
}

TEST(ProgramDirectory, ADataFileBesideAReadOnlyProgramIsCopiedOnceAndLeftAsItIs) {
    QTemporaryDir program;
    QTemporaryDir user;
    const QString original = program.filePath(QStringLiteral("quillbox.dat"));
    const QString copy = user.filePath(QStringLiteral("quillbox.dat"));
    EXPECT_TRUE(takeOverProgramDataFile(program.path(), user.path()).notice.isEmpty());
    {
        QFile file(original);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the user's notes");
    }
    const TakeOver taken = takeOverProgramDataFile(program.path(), user.path());
    EXPECT_FALSE(taken.failed);
    EXPECT_EQ(taken.notice, QString::fromUtf8(msg::DataFileCopied).arg(original, copy));
    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("the user's notes"));
    EXPECT_EQ(QFile::permissions(copy) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_TRUE(QFile::exists(original));
    // Said once: the copy is there from now on, and the same folder is never copied into.
    EXPECT_TRUE(takeOverProgramDataFile(program.path(), user.path()).notice.isEmpty());
    EXPECT_TRUE(takeOverProgramDataFile(program.path(), program.path()).notice.isEmpty());
}

TEST(ProgramDirectory, OneDataFileHasOneLockHoweverItIsReached) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("synced")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("bound")));
    const QString real = dir.filePath(QStringLiteral("synced/quillbox.dat"));
    const QString link = dir.filePath(QStringLiteral("quillbox.dat"));
    // A link made before the file it leads to exists: the first save creates that file.
    ASSERT_TRUE(QFile::link(real, link));
    const SingleInstance first(link);
    ASSERT_TRUE(first.acquired());
    EXPECT_FALSE(SingleInstance(real).acquired());
    QFile(real).open(QIODevice::WriteOnly);
    EXPECT_FALSE(SingleInstance(link).acquired());
    // The same folder mounted a second time (root only).
    const QByteArray from = QFile::encodeName(dir.filePath(QStringLiteral("synced")));
    const QByteArray to = QFile::encodeName(dir.filePath(QStringLiteral("bound")));
    if (::mount(from.constData(), to.constData(), nullptr, MS_BIND, nullptr) != 0) return;
    EXPECT_FALSE(SingleInstance(dir.filePath(QStringLiteral("bound/quillbox.dat"))).acquired());
    ::umount2(to.constData(), MNT_DETACH);
}

TEST(ProgramDirectory, ALinkToAFileNotMadeYetIsFollowedInTheFolderItLeadsTo) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("synced")));
    const QString real = dir.filePath(QStringLiteral("synced/quillbox.dat"));
    const QString link = dir.filePath(QStringLiteral("quillbox.dat"));
    ASSERT_TRUE(QFile::link(real, link));
    FileFollower follower(link);
    QSignalSpy changed(&follower, &FileFollower::changed);
    // Another machine's file arrives where the link leads.
    QFile(real).open(QIODevice::WriteOnly);
    EXPECT_TRUE(QTest::qWaitFor([&changed] { return !changed.isEmpty(); }, 5000));
}
