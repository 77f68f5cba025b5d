#pragma once

#include <QString>

// The directory of the running executable (resolved from the executable itself, not from how
// it was started).
QString programDirectory();

// Whether files can be created in the directory.
bool isWritableDirectory(const QString& directory);

// Where quillbox.dat lives: beside the program when that directory is writable, otherwise in
// the user's data directory (created when missing), so an installed copy keeps its changes.
QString dataDirectoryFor(const QString& programDir);

// The alert sound that comes with Quillbox: beside the program in a build, in
// ../share/quillbox/ for an installed copy. The first of the two that exists, else the one
// beside the program.
QString defaultWaveFileFor(const QString& programDir);
