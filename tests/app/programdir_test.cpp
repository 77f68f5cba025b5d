#include "app/programdir.h"

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
