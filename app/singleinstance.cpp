#include "app/singleinstance.h"

#include <QDir>

SingleInstance::SingleInstance(const QString& dataDirectory)
    : lock_(std::make_unique<QLockFile>(
          QDir(dataDirectory).filePath(QStringLiteral("quillbox.dat.lock")))) {
    // A lock is stale only when the process that took it is gone, however old the lock is.
    lock_->setStaleLockTime(0);
    acquired_ = lock_->tryLock(0);
}

void SingleInstance::release() {
    if (acquired_) lock_->unlock();
    acquired_ = false;
}
