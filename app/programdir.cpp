#include "app/programdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

QString programDirectory() {
    return QCoreApplication::applicationDirPath();
}

bool isWritableDirectory(const QString& directory) {
    if (directory.isEmpty() || !QDir(directory).exists()) return false;
    // Permission bits do not tell the whole story (read-only mounts, ACLs): try it.
    QTemporaryFile probe(QDir(directory).filePath(QStringLiteral(".quillbox-XXXXXX")));
    return probe.open();
}

QString dataDirectoryFor(const QString& programDir) {
    if (isWritableDirectory(programDir)) return programDir;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(user);
    return user;
}

QString defaultWaveFileFor(const QString& programDir) {
    const QDir dir(programDir);
    const QString beside = dir.filePath(QStringLiteral("ding.wav"));
    const QString installed =
        QDir::cleanPath(dir.filePath(QStringLiteral("../share/quillbox/ding.wav")));
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed)) return installed;
    return beside;
}
