#pragma once

#include "model/holder.h"
#include "model/options.h"

#include <QByteArray>
#include <QString>

// The records as plain text: one block per record, the dates in the forms the pages show.
QByteArray exportText(const PostItHolder& holder);
// Every field of every record, the options and the file's version, as JSON.
QByteArray exportJson(const PostItHolder& holder, const Options& options, int version);

struct ExportResult {
    QByteArray output;
    QString problem; // why the data file could not be read (wholly or in part); empty: it was
    int status = 0;
};
// Reads the data file and writes it in one of the forms. Only reads: no lock is taken, no
// leftover is cleared, and a file of the old layout is read without asking.
ExportResult exportDataFile(const QString& dataPath, bool json);
