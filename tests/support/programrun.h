#pragma once

// The real program started by a test as a process of its own, and what such a test needs
// besides: other programs run to their end (xdotool, curl), the windows of a process, an X
// server of the test's own, and patient polling.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <cstdint>
#include <functional>
#include <list>
#include <optional>
#include <vector>

class PostItHolder;
struct Options;
struct LoadResult;

// Polls the condition every 20 ms, Qt's events handled meanwhile, until it holds or the limit
// is reached (by default as long as a user would wait); its last answer.
bool waitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds limit = std::chrono::milliseconds(8000));

struct CommandResult {
    std::optional<int> status; // none: it did not end in time, or crashed
    QByteArray out;
    QByteArray err;
};

// Runs a program to its end, with the input on its standard input.
CommandResult runCommand(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                         const QByteArray& input = {}, int timeoutMs = 20000);
// What it printed, without the line break at the end.
QString output(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());

// The ids of the windows on show whose names match the pattern, of one process (0: any), on
// the display of the environment.
QStringList windowIds(const QString& pattern, qint64 pid = 0,
                      const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());
// Where the window stands, as xdotool has it (the window manager's frame included).
QRect windowGeometry(const QString& window);
// A window of the process on show whose name matches, wider than its tray icon, once one
// comes within the limit; empty when none did.
QString windowOf(qint64 pid, const QString& pattern,
                 std::chrono::milliseconds limit = std::chrono::seconds(15));

// The exit status once the process ended by itself (a signal's end: 128 and its number, as a
// shell has it); none when it did not end within the limit.
std::optional<int> waitForExit(QProcess& process,
                               std::chrono::milliseconds limit = std::chrono::seconds(10));
void sendSignal(const QProcess& process, int number);

// An X server of the test's own (Xvfb, no window manager) with one screen of the size, on a
// display number it finds free itself. It ends with the object, or when the test kills it.
class OwnXServer {
public:
    explicit OwnXServer(QSize screen, const QString& log = QString());
    ~OwnXServer();
    OwnXServer(const OwnXServer&) = delete;
    OwnXServer& operator=(const OwnXServer&) = delete;

    QString display() const { return display_; } // ":N"; empty when it did not start
    QProcess& process() { return process_; }

private:
    QProcess process_;
    QString display_;
};

// The real program run by a test in a folder of its own, with a runtime folder (its command
// socket) and a state folder (its lock, the unsaved version) of its own. Copied: the program
// and its ding.wav are copied into the folder and run from there, the data file beside them,
// as a user who unpacked it has it. InPlace: the built program runs where it is, and the test
// names the data file (--data).
class ProgramRun {
public:
    enum class Place { InPlace, Copied };
    explicit ProgramRun(Place place = Place::InPlace);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    QString directory() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    QString programPath() const { return program_; }
    QString dataPath() const { return filePath(QStringLiteral("quillbox.dat")); }
    QString backupPath() const { return dataPath() + QStringLiteral(".bak"); }
    QString wavePath() const { return filePath(QStringLiteral("ding.wav")); }
    QString runtimePath() const { return filePath(QStringLiteral("runtime")); }

    // The test's environment with the run's folders and display, without the offscreen
    // platform of the widget tests.
    QProcessEnvironment environment(bool withDisplay = true) const;

    // Runs the program to its end.
    CommandResult run(const QStringList& arguments, const QByteArray& input = {},
                      bool withDisplay = true, int timeoutMs = 20000) const;
    // Starts the program and leaves it running, extra variables in its environment; what it
    // writes on its standard error joins the run's log. It is killed with the run.
    QProcess& start(const QStringList& arguments = {}, const QProcessEnvironment& extra = {});
    // The last one started.
    QProcess& process() { return started_.back(); }
    // Kills every program started that still runs.
    void stop();
    // What the programs started wrote on their standard error.
    QString errors() const;

    // Writes the records and options as the data file, with the program's own writer.
    bool writeData(PostItHolder& holder, const Options& options) const;
    bool writeBytes(const std::vector<std::uint8_t>& bytes, const QString& path = QString()) const;
    std::vector<std::uint8_t> readBytes(const QString& path = QString()) const;
    // The data file as the program left it, read back with the program's reader (old-file
    // questions answered Yes).
    LoadResult readBack(PostItHolder& holder, Options& options) const;

    QString statePath; // the run's own, or another run's to share its locks
    QString display;   // another X server's than the session's

private:
    QTemporaryDir dir_;
    QString program_;
    std::list<QProcess> started_;
};
