#include "app/startup.h"

#include "app/myapp.h"
#include "app/mydialog.h"
#include "look/gradient.h"
#include "look/l10n.h"
#include "look/stickumlook.h"
#include "model/catalogue.h"
#include "model/postit.h"
#include "process/commandchannel.h"
#include "process/desktopentry.h"
#include "process/exporter.h"
#include "process/programdir.h"
#include "process/singleinstance.h"
#include "stickum/smallframe.h"
#include "stickum/stickumedit.h"
#include "storage/datafile.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

// A Quillbox that holds the lock but does not listen yet is starting (splash, questions about
// an old file): it is given this long.
constexpr int kStartingPatienceMs = 15000;
// --new-note - reads at most this much; the note keeps far less.
constexpr qint64 kMaxInputBytes = 1024 * 1024;

// False when the bytes did not all reach the stream (a full disk, a closed pipe); errno says why.
bool writeBytes(std::FILE* stream, const QByteArray& bytes) {
    const auto size = static_cast<std::size_t>(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, stream) == size;
    return std::fflush(stream) == 0 && written;
}

void print(std::FILE* stream, const QString& text) {
    writeBytes(stream, text.toLocal8Bit());
}

void printLine(std::FILE* stream, const QString& text) {
    print(stream, QStringLiteral("quillbox: %1\n").arg(text));
}

// The answer of the running Quillbox as an exit status.
int reported(const CommandAnswer& answer) {
    if (!answer.why.isEmpty()) printLine(stderr, answer.why);
    return answer.status;
}

} // namespace

PlatformDefaults desktopDefaults() {
    PlatformDefaults defaults;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        defaults.activeCaptionColor =
            toColorRef(desktop::activeCaption(QGuiApplication::palette()));
    defaults.waveFile = defaultWaveFileFor(programDirectory()).toStdString();
    return defaults;
}

int noDisplayToStartOn() {
    printLine(stderr, l10n::text(QT_TRANSLATE_NOOP(
                          "msg", "There is no display to start Quillbox on (neither DISPLAY nor "
                                 "WAYLAND_DISPLAY is set).")));
    return kFailureStatus;
}

namespace {

QtMessageHandler toolkitHandler = nullptr;

void fatalAsFailure(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        if (toolkitHandler) toolkitHandler(type, context, message);
        return;
    }
    printLine(
        stderr,
        l10n::text(QT_TRANSLATE_NOOP("msg", "Quillbox cannot start: %1")).arg(message.trimmed()));
    std::_Exit(kFailureStatus);
}

} // namespace

FatalAsFailure::FatalAsFailure() {
    toolkitHandler = qInstallMessageHandler(fatalAsFailure);
}

FatalAsFailure::~FatalAsFailure() {
    restore();
}

void FatalAsFailure::restore() {
    if (!inForce_) return;
    qInstallMessageHandler(toolkitHandler);
    inForce_ = false;
}

QString dataPathFor(const CommandLine& line, const QString& dataDirectory) {
    if (!line.dataFile.isEmpty()) return line.dataFile;
    const QString folder =
        dataDirectory.isEmpty() ? dataDirectoryFor(programDirectory()) : dataDirectory;
    return QString::fromStdString(dataFilePath(folder.toStdString()));
}

int finishEarly(const CommandLine& line) {
    print(stdout, line.output);
    print(stderr, line.errors);
    return line.exitStatus.value_or(0);
}

bool readNoteText(CommandLine& line) {
    if (line.command != Command::NewNote || line.noteText != QLatin1String("-")) return true;
    QFile input;
    QString text;
    if (input.open(stdin, QIODevice::ReadOnly))
        text = QString::fromUtf8(input.read(kMaxInputBytes));
    if (text.endsWith(u'\n')) text.chop(1);
    if (text.endsWith(u'\r')) text.chop(1);
    if (text.isEmpty()) {
        printLine(stderr, l10n::text(QT_TRANSLATE_NOOP(
                              "msg", "--new-note -: standard input held no text.")));
        return false;
    }
    line.noteText = text;
    return true;
}

int runWithoutDisplay(const CommandLine& line, const QString& dataPath) {
    if (line.command == Command::Autostart) {
        const Result set =
            Autostart(startCommand(QCoreApplication::applicationFilePath(), line.dataFile))
                .set(line.autostart);
        if (!set) {
            printLine(stderr, l10n::text(msg::AutostartFailed)
                                  .arg(QString::fromStdString(set.why()))
                                  .replace(QLatin1String("\r\n"), QLatin1String(" ")));
            return kFailureStatus;
        }
        printLine(stdout, line.autostart
                              ? l10n::text(QT_TRANSLATE_NOOP("msg", "Quillbox starts at login: %1"))
                                    .arg(Autostart::entryPath())
                              : l10n::text(QT_TRANSLATE_NOOP(
                                    "msg", "Quillbox no longer starts at login.")));
        return 0;
    }
    if (line.command == Command::Export) {
        const ExportResult exported = exportDataFile(dataPath, line.json, desktopDefaults());
        if (!writeBytes(stdout, exported.output)) {
            const int error = errno;
            printLine(stderr,
                      l10n::text(QT_TRANSLATE_NOOP("msg", "The export could not be written: %1."))
                          .arg(QString::fromLocal8Bit(std::strerror(error))));
            return 1;
        }
        if (!exported.problem.isEmpty()) printLine(stderr, exported.problem);
        return exported.status;
    }
    // Only a Quillbox that runs can take the command here; one that is still starting (a
    // question about its data file) is waited for.
    SingleInstance instance(dataPath);
    if (!instance.problem().isEmpty()) return reported(instance.problem());
    // The Quillbox of this data file may run in another session, or have lost its runtime
    // folder: its lock, which lives elsewhere, tells.
    if (!instance.acquired()) {
        if (const auto status = handOver(line, instance)) return *status;
    }
    if (line.command == Command::Quit) {
        printLine(stdout, l10n::text(QT_TRANSLATE_NOOP(
                                         "msg", "Quillbox is not running on %1; nothing to quit."))
                              .arg(dataPath));
        return 0;
    }
    return reported(
        l10n::text(
            QT_TRANSLATE_NOOP(
                "msg", "Quillbox is not running on %1, and there is no display to start it on."))
            .arg(dataPath));
}

std::optional<int> handOver(const CommandLine& line, SingleInstance& instance) {
    // The text travels as text: the running Quillbox stores it by the one rule for texts. Only
    // what a note can keep goes: every character takes at least a byte.
    const QString text = line.command == Command::NewNote
                             ? line.noteText.left(static_cast<qsizetype>(kTextBytes) + 1)
                             : QString();
    const QDeadlineTimer patience(kStartingPatienceMs);
    bool goneBefore = false;
    while (!patience.hasExpired()) {
        const std::optional<Holder> holder = instance.holder();
        const QString socket = holder && !holder->socketName.isEmpty()
                                   ? holder->socketName
                                   : instance.names().socketName;
        if (const auto answer = sendCommand(socket, line.command, text)) return reported(*answer);
        if (instance.tryAgain()) return std::nullopt;
        // It took commands there, and nobody listens any more, twice in a row (not a Quillbox
        // on its way out): the socket was taken away.
        const bool gone = holder && !holder->socketName.isEmpty() && instance.holder();
        if (gone && std::exchange(goneBefore, true)) {
            printLine(stderr,
                      l10n::text(QT_TRANSLATE_NOOP(
                                     "msg", "Quillbox runs (process %1), but its command socket "
                                            "%2 is gone: it cannot take commands until it is "
                                            "started again."))
                          .arg(QString::number(holder->pid), holder->socketName));
            return kFailureStatus;
        }
        if (!gone) goneBefore = false;
        QThread::msleep(100);
    }
    printLine(stderr,
              l10n::text(QT_TRANSLATE_NOOP("msg", "Quillbox runs on %1 but does not answer."))
                  .arg(instance.names().lockFile));
    return 1;
}

CommandAnswer carryOut(MyApp& app, Command command, const QString& text,
                       std::function<void()> stop) {
    MyDialog* dialog = app.dialog();
    if (!dialog) return l10n::text(QT_TRANSLATE_NOOP("msg", "Quillbox is not ready yet."));
    // Told to stop in the same turn of the event loop: what came now would never be saved.
    if (dialog->ended()) return l10n::text(QT_TRANSLATE_NOOP("msg", "Quillbox is ending."));
    switch (command) {
    case Command::Toggle:
        dialog->toggleDisplay();
        break;
    case Command::Show:
        dialog->showMainWindow();
        break;
    case Command::NewNote:
        if (!dialog->addNoteFromOutside(storedNoteText(text))) return l10n::text(msg::NoSpaceNote);
        // Said to the one who asked, not in a box that would hold the answer back.
        if (const Result saved = dialog->saveQuietly(); !saved)
            return {kNotSavedStatus,
                    l10n::text(QT_TRANSLATE_NOOP(
                                   "msg",
                                   "The note was added and is shown, but it could not be saved to "
                                   "%1 (%2); Quillbox keeps it and saves it with the next save."))
                        .arg(dialog->dataPath(), QString::fromStdString(saved.why()))};
        break;
    case Command::Quit:
        // Ending with a save that fails would lose everything since the last one: the program
        // stays, and the command says why.
        if (const Result saved = dialog->saveQuietly(); !saved)
            return l10n::text(QT_TRANSLATE_NOOP(
                                  "msg", "Your data could not be saved to %1 (%2); Quillbox keeps "
                                         "running."))
                .arg(dialog->dataPath(), QString::fromStdString(saved.why()));
        // After the answer has gone back.
        QTimer::singleShot(0, &app, std::move(stop));
        break;
    default:
        return l10n::text(QT_TRANSLATE_NOOP("msg", "Unknown command."));
    }
    return {};
}
