#include "document/conflictcopies.h"

#include "storage/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool isConflictCopyName(const QString& name, const QString& dataName) {
    if (name == dataName) return false;
    if (name.startsWith(dataName + QStringLiteral(".conflict-"))) return true;
    // The sync tools keep the extension at the end and put their mark before it.
    const int dot = dataName.lastIndexOf(u'.');
    const QString stem = dot > 0 ? dataName.left(dot) : dataName;
    const QString extension = dot > 0 ? dataName.mid(dot) : QString();
    if (!name.startsWith(stem) || !name.endsWith(extension)) return false;
    const QString mark = name.mid(stem.size(), name.size() - stem.size() - extension.size());
    return mark.startsWith(QStringLiteral(".sync-conflict-")) ||
           mark.startsWith(QStringLiteral("_conflict-")) ||
           (mark.startsWith(QStringLiteral(" (")) && mark.endsWith(u')') &&
            mark.contains(QStringLiteral("conflicted copy"), Qt::CaseInsensitive));
}

QStringList conflictCopiesOf(const QString& dataPath) {
    const QFileInfo file(QFile::decodeName(
        resolveLinks(QFile::encodeName(QFileInfo(dataPath).absoluteFilePath()).toStdString())
            .c_str()));
    QStringList copies;
    for (const QFileInfo& entry :
         file.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name)) {
        if (isConflictCopyName(entry.fileName(), file.fileName()))
            copies << entry.absoluteFilePath();
    }
    return copies;
}
