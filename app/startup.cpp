#include "app/startup.h"

#include "app/commandchannel.h"
#include "app/exporter.h"
#include "app/myapp.h"
#include "app/mydialog.h"
#include "app/programdir.h"
#include "app/singleinstance.h"
#include "model/catalogue.h"
#include "storage/datafile.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>

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
int reported(const QString& answer) {
    if (answer.isEmpty()) return 0;
    printLine(stderr, answer);
    return 1;
}

} // namespace

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
        printLine(stderr, QStringLiteral("--new-note -: standard input held no text."));
        return false;
    }
    line.noteText = text;
    return true;
}

int runWithoutDisplay(const CommandLine& line, const QString& dataPath) {
    if (line.command == Command::Export) {
        const ExportResult exported = exportDataFile(dataPath, line.json);
        if (!writeBytes(stdout, exported.output)) {
            const int error = errno;
            printLine(stderr, QStringLiteral("The export could not be written: %1.")
                                  .arg(QString::fromLocal8Bit(std::strerror(error))));
            return 1;
        }
        if (!exported.problem.isEmpty()) printLine(stderr, exported.problem);
        return exported.status;
    }
    const auto answer = sendCommand(runtimeNamesFor(dataPath).socketName, Command::Quit);
    if (!answer) {
        printLine(stdout,
                  QStringLiteral("Quillbox is not running on %1; nothing to quit.").arg(dataPath));
        return 0;
    }
    return reported(*answer);
}

std::optional<int> handOver(const CommandLine& line, SingleInstance& instance) {
    // The note is cut before it travels; the running Quillbox cuts it the same way.
    const QString text = line.command == Command::NewNote
                             ? QString::fromStdString(storedNoteText(line.noteText))
                             : QString();
    const QDeadlineTimer patience(kStartingPatienceMs);
    while (!patience.hasExpired()) {
        if (const auto answer = sendCommand(instance.names().socketName, line.command, text))
            return reported(*answer);
        if (instance.tryAgain()) return std::nullopt;
        QThread::msleep(100);
    }
    printLine(
        stderr,
        QStringLiteral("Quillbox runs on %1 but does not answer.").arg(instance.names().lockFile));
    return 1;
}

QString carryOut(MyApp& app, Command command, const QString& text, std::function<void()> stop) {
    MyDialog* dialog = app.dialog();
    if (!dialog) return QStringLiteral("Quillbox is not ready yet.");
    switch (command) {
    case Command::Toggle:
        dialog->toggleDisplay();
        break;
    case Command::Show:
        dialog->showMainWindow();
        break;
    case Command::NewNote:
        if (!dialog->addNoteFromOutside(storedNoteText(text)))
            return QString::fromUtf8(msg::NoSpaceNote);
        break;
    case Command::Quit:
        // After the answer has gone back.
        QTimer::singleShot(0, &app, std::move(stop));
        break;
    default:
        return QStringLiteral("Unknown command.");
    }
    return {};
}
