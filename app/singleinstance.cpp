#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

RuntimeNames runtimeNamesFor(const QString& dataPath) {
    // The real path: the same file reached through a symlink or another spelling is one file.
    // A link to a file not made yet names that file already, as it will once it is made.
    QFileInfo file(dataPath);
    for (int hops = 0; file.isSymLink() && hops < 40; ++hops)
        file.setFile(file.symLinkTarget());
    QString real = file.canonicalFilePath();
    if (real.isEmpty()) {
        const QString folder = file.absoluteDir().canonicalPath();
        real = folder.isEmpty() ? file.absoluteFilePath() : QDir(folder).filePath(file.fileName());
    }
    const QString key = QString::fromLatin1(
        QCryptographicHash::hash(real.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
    // The toolkit hands out XDG_RUNTIME_DIR, or a folder of its own, only when it is the
    // user's alone; never the shared temporary folder instead.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty()) return {};
    const QDir folder(runtime);
    return {folder.filePath(QStringLiteral("quillbox-%1.lock").arg(key)),
            folder.filePath(QStringLiteral("quillbox-%1.socket").arg(key))};
}

QString noRuntimeFolder() {
    return QStringLiteral("There is no runtime folder that only you can use (XDG_RUNTIME_DIR) "
                          "for Quillbox's lock and command socket.");
}

SingleInstance::SingleInstance(const QString& dataPath) : names_(runtimeNamesFor(dataPath)) {
    if (names_.lockFile.isEmpty()) {
        problem_ = noRuntimeFolder();
        return;
    }
    lock_ = std::make_unique<QLockFile>(names_.lockFile);
    // A lock is stale only when the process that took it is gone, however old the lock is.
    lock_->setStaleLockTime(0);
    acquired_ = lock_->tryLock(0);
}

void SingleInstance::release() {
    if (acquired_) lock_->unlock();
    acquired_ = false;
}

bool SingleInstance::tryAgain() {
    if (!acquired_ && lock_) acquired_ = lock_->tryLock(0);
    return acquired_;
}
