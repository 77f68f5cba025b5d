#include "app/programdir.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ProgramDirectory, DataStaysBesideAWritableProgram) {
    QTemporaryDir dir;
    EXPECT_TRUE(isWritableDirectory(dir.path()));
    EXPECT_EQ(dataDirectoryFor(dir.path()), dir.path());
    EXPECT_FALSE(programDirectory().isEmpty());
}

TEST(ProgramDirectory, AnUnwritableProgramDirectoryUsesTheUserDataDirectory) {
    QStandardPaths::setTestModeEnabled(true);
    // /proc refuses new files even to the superuser; a missing folder cannot take them either.
    for (const QString& place : {QStringLiteral("/proc"), QStringLiteral("/no/such/folder")}) {
        EXPECT_FALSE(isWritableDirectory(place));
        const QString chosen = dataDirectoryFor(place);
        EXPECT_EQ(chosen, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        EXPECT_TRUE(isWritableDirectory(chosen));
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
