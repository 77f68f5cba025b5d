// Quillbox: notes, lendings and reminders as Stickums on the desktop, living in the tray.
#include "app/myapp.h"
#include "app/programdir.h"
#include "app/qtmessageboxes.h"
#include "app/signalwatcher.h"
#include "app/singleinstance.h"
#include "model/catalogue.h"
#include "pages/messages.h"
#include "stickum/caretblink.h"

#include <QApplication>
#include <QDir>

#include <csignal>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Carets stop blinking a few seconds after the last input: an idle Quillbox sleeps.
    const CaretBlink caretBlink;
    QApplication::setApplicationName(QString::fromUtf8(msg::ProgramName));

    QtMessageBoxes messages;
    const QString programDir = programDirectory();
    StartOptions options;
    options.dataDirectory = dataDirectoryFor(programDir);
    options.defaultWaveFile = defaultWaveFileFor(programDir);
    options.messages = &messages;
    options.makeTray = [] { return std::make_unique<QtTrayIcon>(); };

    // One Quillbox per data file: a second one would overwrite the first one's saves.
    const SingleInstance instance(options.dataDirectory);
    if (!instance.acquired()) {
        const QString path = QDir(options.dataDirectory).filePath(QStringLiteral("quillbox.dat"));
        messages.showMessage(nullptr, QString::fromUtf8(msg::AlreadyRunning).arg(path),
                             QString::fromUtf8(msg::ProgramName), box::Notice);
        return 0;
    }
    // A data file beside a read-only program is copied into the user's folder once.
    if (const TakeOver taken = takeOverProgramDataFile(programDir, options.dataDirectory);
        !taken.notice.isEmpty()) {
        messages.showMessage(nullptr, taken.notice, QString::fromUtf8(msg::ProgramName),
                             box::Notice);
        if (taken.failed) return 1;
    }

    MyApp app(std::move(options));
    // Told to stop (logout, shutdown, kill, Ctrl+C): save as a Yes on the quit question would.
    const SignalWatcher stopSignals({SIGTERM, SIGHUP, SIGINT});
    QObject::connect(&stopSignals, &SignalWatcher::received, &app, [&app] {
        app.endSession();
        QCoreApplication::exit(0);
    });
    return app.run();
}
