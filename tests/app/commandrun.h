#pragma once

// The real program run with a command line, as a shell would run it: its exit status, what it
// printed, and a runtime folder (its socket) and a state folder (its lock) of the test's own.

#include <QByteArray>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// What another program (xdotool, curl) printed, run to its end in that environment.
inline QString output(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The ids of the windows on show whose names match, of one process (0: any), on the display of
// the environment.
inline QStringList
windowIds(const QString& name, qint64 pid = 0,
          const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QStringList arguments{"search", "--all", "--onlyvisible"};
    if (pid) arguments << "--pid" << QString::number(pid);
    arguments << "--name" << name;
    return output(QStringLiteral("xdotool"), arguments, env).split(u'\n', Qt::SkipEmptyParts);
}

struct CommandResult {
    std::optional<int> status; // none: it did not end in time or crashed
    QByteArray out;
    QByteArray err;
};

class CommandRun {
public:
    CommandRun() {
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
    }

    QProcessEnvironment environment(bool withDisplay = true) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("XDG_STATE_HOME"), statePath);
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (!display.isEmpty()) env.insert(QStringLiteral("DISPLAY"), display);
        if (!withDisplay) env.remove(QStringLiteral("DISPLAY"));
        return env;
    }

    // Runs the program to its end.
    CommandResult run(const QStringList& arguments, const QByteArray& input = {},
                      bool withDisplay = true, int timeoutMs = 20000) const {
        QProcess process;
        process.setProcessEnvironment(environment(withDisplay));
        process.start(QString::fromUtf8(QB_PROGRAM_FILE), arguments);
        process.waitForStarted(5000);
        process.write(input);
        process.closeWriteChannel();
        CommandResult result;
        if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit)
            result.status = process.exitCode();
        else
            process.kill();
        process.waitForFinished(3000);
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }

    // Starts the program and leaves it running.
    void start(QProcess& process, const QStringList& arguments) const {
        process.setProcessEnvironment(environment());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(QString::fromUtf8(QB_PROGRAM_FILE), arguments);
        process.waitForStarted(5000);
    }

    QTemporaryDir runtime;
    QTemporaryDir state;
    QString statePath = state.path(); // another run's, to share its locks
    QString display;                  // another X server's than the session's
};
