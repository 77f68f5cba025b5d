#include "document/filefollower.h"

#include "storage/atomic_file.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Long enough for a burst of changes (a sync tool renaming its file into place), short enough
// for what it brings to show at once.
constexpr int kSettleMs = 10;

} // namespace

FileFollower::FileFollower(const QString& path, QObject* parent) : QObject(parent) {
    files_ << QFileInfo(path).absoluteFilePath();
    // Where a symlink leads, also when the file there is not made yet: a save makes it there.
    const QString real =
        QFile::decodeName(resolveLinks(QFile::encodeName(files_.first()).toStdString()).c_str());
    if (!files_.contains(real)) files_ << real;
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &FileFollower::changed);
    const auto touched = [this] {
        watch();
        settle_.start();
    };
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, touched);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, touched);
    watch();
}

void FileFollower::watch() {
    // A file replaced by a rename is a new file: its watch is taken up again.
    for (const QString& file : files_) {
        const QString folder = QFileInfo(file).absolutePath();
        if (!watcher_.directories().contains(folder)) watcher_.addPath(folder);
        if (!watcher_.files().contains(file) && QFileInfo::exists(file)) watcher_.addPath(file);
    }
}
