#pragma once

#include <QString>

// The directory of the running executable (resolved from the executable itself, not from how
// it was started).
QString programDirectory();

// Whether files can be created in the directory.
bool isWritableDirectory(const QString& directory);

// Where quillbox.dat lives: beside the program when that directory is writable, otherwise in
// the user's data directory (created when missing, open to its owner only), so an installed
// copy keeps its changes.
QString dataDirectoryFor(const QString& programDir);

// A data file left beside a program whose folder cannot be written is taken over: copied once
// into the data directory (which has none yet), the original left as it is. Called while the
// program holds the data directory's lock. notice is what to tell the user (empty when nothing
// was done); failed: the copy could not be made and the program ends, changing nothing.
struct TakeOver {
    QString notice;
    bool failed = false;
};
TakeOver takeOverProgramDataFile(const QString& programDir, const QString& dataDir);

// The alert sound that comes with Quillbox: beside the program in a build, in
// ../share/quillbox/ for an installed copy. The first of the two that exists, else the one
// beside the program.
QString defaultWaveFileFor(const QString& programDir);
