#include "app/singleinstance.h"

#include "document/statefolder.h"

#include <QDir>
#include <QStandardPaths>

namespace {

// Why a Quillbox without a private runtime folder neither starts nor sends a command.
QString noRuntimeFolder() {
    return QStringLiteral("There is no runtime folder that only you can use (XDG_RUNTIME_DIR) "
                          "for Quillbox's lock and command socket.");
}

} // namespace

RuntimeNames runtimeNamesFor(const QString& dataPath) {
    // Another spelling, a symlink or a second mount of the folder leads to the same lock.
    const QString key = dataFileKey(dataPath);
    // The toolkit hands out XDG_RUNTIME_DIR, or a folder of its own, only when it is the
    // user's alone; never the shared temporary folder instead.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty()) return {};
    const QDir folder(runtime);
    return {folder.filePath(QStringLiteral("quillbox-%1.lock").arg(key)),
            folder.filePath(QStringLiteral("quillbox-%1.socket").arg(key))};
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
