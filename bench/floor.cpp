// The floor Quillbox is measured against: the least a Qt program must do to put N sticky
// windows on the desktop. One QApplication, a tray icon, N frameless always-on-top windows with
// a plain text editor each, nothing else. A left click on the tray icon hides all the windows,
// the next one shows them again.
#include <QApplication>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSystemTrayIcon>

#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1;

    QPixmap yellow(16, 16);
    yellow.fill(Qt::yellow);
    QSystemTrayIcon tray{QIcon(yellow)};
    tray.show();

    std::vector<QPlainTextEdit*> windows;
    for (int i = 0; i < count; ++i) {
        auto* edit = new QPlainTextEdit(QStringLiteral("note %1").arg(i));
        edit->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        edit->setGeometry(30 + (i % 20) * 40, 30 + (i / 20) * 40, 160, 90);
        edit->show();
        windows.push_back(edit);
    }
    bool shown = true;
    QObject::connect(&tray, &QSystemTrayIcon::activated, &app,
                     [&](QSystemTrayIcon::ActivationReason reason) {
                         if (reason != QSystemTrayIcon::Trigger) return;
                         shown = !shown;
                         for (QPlainTextEdit* window : windows)
                             window->setVisible(shown);
                     });
    const int status = QApplication::exec();
    qDeleteAll(windows);
    return status;
}
