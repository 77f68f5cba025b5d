#pragma once

#include <QString>
#include <QStringList>

// Whether a file's name is that of a conflict copy of the data file: what a sync tool keeps
// when both machines changed the file (Syncthing's "quillbox.sync-conflict-<date>-<time>-<id>.dat",
// Nextcloud's and ownCloud's "quillbox (conflicted copy <date> <time>).dat" and
// "quillbox_conflict-<date>-<time>.dat", Dropbox's "quillbox (<who>'s conflicted copy <date>).dat")
// or what Quillbox keeps itself ("quillbox.dat.conflict-<machine>-<date>-<time>").
bool isConflictCopyName(const QString& name, const QString& dataName);

// The conflict copies beside the data file (the file a link leads to): plain files only.
QStringList conflictCopiesOf(const QString& dataPath);
