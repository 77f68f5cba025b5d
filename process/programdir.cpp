#include "process/programdir.h"

#include "look/l10n.h"
#include "model/catalogue.h"
#include "storage/atomic_file.h"
#include "storage/datafile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <sys/stat.h>

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
    // The notes are private: a new folder for them is open to its owner only.
    QDir().mkpath(QFileInfo(user).absolutePath());
    ::mkdir(QFile::encodeName(user).constData(), 0700);
    return user;
}

TakeOver takeOverProgramDataFile(const QString& programDir, const QString& dataDir) {
    TakeOver result;
    if (QDir(programDir) == QDir(dataDir)) return result;
    const std::string from = dataFilePath(QFile::encodeName(programDir).toStdString());
    const std::string to = dataFilePath(QFile::encodeName(dataDir).toStdString());
    struct stat seen {};
    if (::lstat(to.c_str(), &seen) == 0) return result; // taken over before, or the user's own
    std::vector<std::uint8_t> bytes;
    const ReadReport read = readWholeFile(from, bytes);
    if (read.outcome == ReadOutcome::Missing) return result;
    std::string failure = read.reason;
    if (read.outcome == ReadOutcome::Read) failure = writeNewFile(to, bytes, 0600);
    const QString fromPath = QFile::decodeName(from.c_str());
    const QString toPath = QFile::decodeName(to.c_str());
    result.failed = !failure.empty();
    result.notice = result.failed ? l10n::text(msg::DataFileCopyFailed)
                                        .arg(fromPath, toPath, QString::fromStdString(failure))
                                  : l10n::text(msg::DataFileCopied).arg(fromPath, toPath);
    return result;
}

QString defaultWaveFileFor(const QString& programDir) {
    const QDir dir(programDir);
    const QString beside = dir.filePath(QStringLiteral("ding.wav"));
    const QString installed =
        QDir::cleanPath(dir.filePath(QStringLiteral("../share/quillbox/ding.wav")));
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed)) return installed;
    return beside;
}
