#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Tells when the data file may have changed on disk. It watches the file and its folder: sync
// engines replace the file by renaming another over it, which ends a watch on the file itself.
// A burst of changes comes as one call, a moment after the last of them.
class FileFollower : public QObject {
    Q_OBJECT
public:
    explicit FileFollower(const QString& path, QObject* parent = nullptr);

signals:
    void changed();

private:
    void watch();

    QStringList files_; // the data file, and the file a symlink leads to (made or not)
    QFileSystemWatcher watcher_;
    QTimer settle_;
};
