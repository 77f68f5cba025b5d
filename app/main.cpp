// Quillbox: notes, lendings and reminders as Stickums on the desktop, living in the tray.
#include "app/myapp.h"
#include "app/programdir.h"
#include "app/qtmessageboxes.h"
#include "model/catalogue.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(msg::ProgramName));

    QtMessageBoxes messages;
    const QString programDir = programDirectory();
    StartOptions options;
    options.dataDirectory = dataDirectoryFor(programDir);
    options.defaultWaveFile = QDir(programDir).filePath(QStringLiteral("ding.wav"));
    options.messages = &messages;
    options.makeTray = [] { return std::make_unique<QtTrayIcon>(); };

    MyApp app(std::move(options));
    return app.run();
}
