#pragma once

#include "model/holder.h"
#include "model/options.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The records as plain text: one block per record, the dates in the forms the pages show, and
// control characters shown as escapes (\x1b): a note cannot steer the terminal.
QByteArray exportText(const PostItHolder& holder);
// Every field of every record (each with its index in the file), the options as the program
// uses them, the names of those options that are not the file's own (the desktop's caption
// colour, the default sound, what an older file does not hold) and the file's version, as JSON.
QByteArray exportJson(const PostItHolder& holder, const Options& options,
                      const QStringList& defaults, int version);

struct ExportResult {
    QByteArray output;
    QString problem; // why the data file could not be read (wholly or in part); empty: it was
    int status = 0;
};
// Reads the data file and writes it in one of the forms, with the options the file does not
// settle taken as the program takes them (from the desktop's caption colour and default sound).
// Only reads: no lock is taken, no leftover is cleared, and a file of the old layout is read
// without asking.
ExportResult exportDataFile(const QString& dataPath, bool json, const PlatformDefaults& desktop);
