#pragma once

// One run of the real program from a fresh directory of its own, as a user would have it: the
// executable with its ding.wav, and whatever data file the journey puts beside them.

#include "model/holder.h"
#include "model/options.h"
#include "storage/datafile.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <optional>
#include <vector>

class ProgramRun {
public:
    ProgramRun();
    ~ProgramRun();

    QString directory() const { return dir_.path(); }
    QString dataPath() const;
    QString backupPath() const { return dataPath() + ".bak"; }
    QString wavePath() const;

    // Writes the records and options as the data file, with the program's own writer.
    void writeData(PostItHolder& holder, const Options& options);
    void writeBytes(const std::vector<std::uint8_t>& bytes, const QString& path = QString());
    std::vector<std::uint8_t> readBytes(const QString& path = QString()) const;

    // Starts the program; extra variables join the environment.
    void start(const QProcessEnvironment& extra = {});
    bool running() const { return process_.state() != QProcess::NotRunning; }
    qint64 pid() const { return process_.processId(); }
    // Waits for the end; the exit status, or nothing when it did not end in time (or crashed).
    std::optional<int> waitForExit(int timeoutMs = 8000);
    // What the program wrote on its standard error.
    QString errors();

    // The data file as the program left it, read back with the program's reader (old-file
    // questions answered Yes). Records land in holder, options in options.
    LoadResult readBack(PostItHolder& holder, Options& options) const;

private:
    QTemporaryDir dir_;
    QProcess process_;
};
