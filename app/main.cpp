// Quillbox: notes, lendings and reminders as Stickums on the desktop, living in the tray.
#include "app/myapp.h"
#include "app/mydialog.h"
#include "app/qtmessageboxes.h"
#include "app/startup.h"
#include "look/l10n.h"
#include "look/messages.h"
#include "model/catalogue.h"
#include "process/commandchannel.h"
#include "process/commandline.h"
#include "process/desktopentry.h"
#include "process/platformchoice.h"
#include "process/programdir.h"
#include "process/serverlossguard.h"
#include "process/signalwatcher.h"
#include "process/singleinstance.h"
#include "stickum/caretblink.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include <csignal>

int main(int argc, char** argv) {
    // In the session's language from the first word on, the command line's included.
    l10n::speak(l10n::sessionLanguage());
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine line = parseCommandLine(arguments);
    // Help, version and mistakes are answered before anything touches the display or the file.
    if (line.exitStatus) return finishEarly(line);
    if (!readNoteText(line)) return kUsageStatus;
    // Before anything looks for the data file: the user's data folder is named after it.
    QCoreApplication::setApplicationName(l10n::text(msg::ProgramName));
    const PlatformSetting setting = platformSetting(argc, argv);
    // A command for the running Quillbox from where there is no display (a timer, a remote
    // shell) is handed over without one.
    const bool noDisplay = !setting.display() && !line.displayGiven;
    if (line.command == Command::Export && line.json) {
        // The options the data file leaves to the desktop (the caption colour) are exported as
        // a start takes them: from the desktop's palette, or without a display the toolkit's.
        applyExportPlatform(setting);
        FatalAsFailure unreachableDisplay;
        const QApplication gui(argc, argv);
        unreachableDisplay.restore();
        return runWithoutDisplay(line, dataPathFor(line));
    }
    if (line.withoutDisplay() || (noDisplay && line.command != Command::Run)) {
        const QCoreApplication core(argc, argv);
        return runWithoutDisplay(line, dataPathFor(line));
    }
    if (noDisplay) return noDisplayToStartOn();
    // Stickums above all windows and pinning need X11: on Wayland through XWayland.
    const PlatformChoice platform = choosePlatform(setting);
    applyPlatformChoice(platform);
    // A display that cannot be reached ends the program with a word, not an abort.
    FatalAsFailure unreachableDisplay;
    QApplication application(argc, argv);
    unreachableDisplay.restore();
    // Carets stop blinking a few seconds after the last input: an idle Quillbox sleeps.
    const CaretBlink caretBlink;

    QtMessageBoxes messages;
    const QString programDir = programDirectory();
    StartOptions options;
    options.dataDirectory = dataDirectoryFor(programDir);
    options.dataFile = dataPathFor(line, options.dataDirectory);
    options.defaultWaveFile = defaultWaveFileFor(programDir);
    options.messages = &messages;
    options.makeTray = [] { return std::make_unique<QtTrayIcon>(); };
    options.startCommand = startCommand(QCoreApplication::applicationFilePath(), line.dataFile);

    // One Quillbox per data file: a second one would overwrite the first one's saves. Commands
    // go to the one that runs.
    SingleInstance instance(options.dataFile);
    if (!instance.problem().isEmpty()) {
        messages.showMessage(nullptr, instance.problem(), l10n::text(msg::ProgramName),
                             box::Failure);
        return 1;
    }
    if (!instance.acquired() && line.command != Command::Run) {
        if (const auto status = handOver(line, instance)) return *status;
    }
    if (!instance.acquired()) {
        messages.showMessage(nullptr, l10n::text(msg::AlreadyRunning).arg(options.dataFile),
                             l10n::text(msg::ProgramName), box::Notice);
        return 0;
    }
    // Sockets that Quillboxes killed outright left behind.
    removeStaleSockets(QFileInfo(instance.names().socketName).absolutePath());
    // A data file beside a read-only program is copied into the user's folder once.
    if (const TakeOver taken = line.dataFile.isEmpty()
                                   ? takeOverProgramDataFile(programDir, options.dataDirectory)
                                   : TakeOver{};
        !taken.notice.isEmpty()) {
        messages.showMessage(nullptr, taken.notice, l10n::text(msg::ProgramName), box::Notice);
        if (taken.failed) return 1;
    }

    MyApp app(std::move(options));
    const auto stop = [&app] { app.stop(); };
    // Told to stop (logout, shutdown, kill, Ctrl+C): save as a Yes on the quit question would.
    const SignalWatcher stopSignals({SIGTERM, SIGHUP, SIGINT});
    QObject::connect(&stopSignals, &SignalWatcher::received, &app, stop);
    // The X server gone: Qt ends the program at once; what is in memory is saved first.
    const ServerLossGuard lastSave([&app, &instance] {
        app.saveBeforeExit();
        instance.release();
    });
    if (const auto status = app.initMainWindow()) return *status;
    const CommandServer commands(instance.names().socketName,
                                 [&app, &stop](Command command, const QString& text) {
                                     return carryOut(app, command, text, stop);
                                 });
    if (commands.listening())
        instance.announce(instance.names().socketName);
    else
        qWarning("Quillbox cannot take commands: %s", qPrintable(instance.names().socketName));
    // Once everything runs: the notice's box leaves the Stickums and the commands working.
    QTimer::singleShot(0, &app, [platform, &messages, &app] {
        // Not when told to stop first: the box would hold the end up.
        if (app.dialog() && !app.dialog()->ended()) tellPlatformLimits(platform, messages);
    });
    // Started by a command: the main window or the new note now; --toggle only starts.
    if (line.command == Command::Show || line.command == Command::NewNote) {
        // Nobody waits for the answer: a note that finds the list full is told as the Notes
        // page tells it, once the program runs.
        const QString refused = carryOut(app, line.command, line.noteText, stop).why;
        if (!refused.isEmpty())
            QTimer::singleShot(0, &app, [&messages, refused] {
                messages.showMessage(nullptr, refused, l10n::text(msg::Error), box::Capacity);
            });
    }
    return QCoreApplication::exec();
}
