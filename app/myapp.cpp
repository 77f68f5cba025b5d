#include "app/myapp.h"

#include "app/mydialog.h"
#include "app/myframe.h"
#include "desktop/pointerscreen.h"
#include "look/gradient.h"
#include "look/images.h"
#include "look/l10n.h"
#include "model/catalogue.h"
#include "resources/dialogs.h"
#include "storage/datafile.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QSessionManager>
#include <QSplashScreen>
#include <QTimer>

namespace {

// The splash paints its picture straight onto the screen: it keeps no copy of it, and nothing
// of it stays once the splash is gone.
class SplashPicture : public QSplashScreen {
protected:
    void drawContents(QPainter* painter) override {
        Images::paint(kSplashPicture, *painter, rect());
    }
};

} // namespace

MyApp::MyApp(StartOptions options) : options_(std::move(options)) {
    // Hiding the last window (into the tray) must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
}

MyApp::~MyApp() {
    delete splash_.data();
}

QString MyApp::dataPath() const {
    if (!options_.dataFile.isEmpty()) return options_.dataFile;
    return QString::fromStdString(dataFilePath(options_.dataDirectory.toStdString()));
}

std::optional<int> MyApp::initMainWindow() {
    const bool hadFile = QFile::exists(dataPath());
    if (hadFile) showSplash();

    PlatformDefaults platform;
    platform.activeCaptionColor =
        toColorRef(QApplication::palette().color(QPalette::Active, QPalette::Highlight));
    platform.waveFile = options_.defaultWaveFile.toStdString();
    DesktopParts desktop;
    if (options_.makeWindowSystem) desktop.windows = options_.makeWindowSystem();
    desktop.openWave = options_.openWave;
    desktop.today = options_.today;
    auto dialog = std::make_unique<MyDialog>(*options_.messages, options_.makeTray(), dataPath(),
                                             platform, std::move(desktop));
    if (!options_.startCommand.isEmpty()) dialog->setStartCommand(options_.startCommand);
    if (const auto status = dialog->exitStatus()) {
        delete splash_.data();
        return status;
    }
    if (stopRequested_) {
        delete splash_.data();
        return 0;
    }
    dialog_ = dialog.get();
    frame_ = std::make_unique<MyFrame>(dialog.release(), *options_.messages);
    connect(frame_.get(), &MyFrame::quitAccepted, this, [] { QCoreApplication::exit(0); });
    // Logging out: save when the session asks, and everything once more on the way out.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
        if (dialog_) (void)dialog_->saveNow();
    });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { (void)endSession(); });
    // The session manager ends the session with a request to quit, which Qt answers by closing
    // every window: a closed Stickum would switch its note off.
    qApp->installEventFilter(this);

    dialog_->setUp();
    frame_->setUp();
    // The first run shows the main window; later runs start in the tray.
    if (!QFile::exists(dataPath())) frame_->show();
    running_ = true;
    return std::nullopt;
}

Result MyApp::endSession() {
    return dialog_ ? dialog_->endSession() : Result::done();
}

void MyApp::stop() {
    bool saved = true;
    if (running_)
        saved = endSession().ok();
    else
        stopRequested_ = true;
    // Ends the event loop, and the loop of a box that is open with it; a save that failed ends
    // with a status that says so.
    QCoreApplication::exit(saved ? 0 : 1);
}

bool MyApp::eventFilter(QObject* watched, QEvent* event) {
    // A request to quit (the session ends) closes nothing and ends as a stop signal does.
    if (event->type() == QEvent::Quit && watched == qApp) {
        stop();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void MyApp::saveBeforeExit() {
    if (dialog_) dialog_->saveBeforeExit();
}

void MyApp::showSplash() {
    splash_ = new SplashPicture;
    splash_->setWindowTitle(l10n::text(msg::ProgramName));
    splash_->setFixedSize(400, 300);
    centreOnPointerScreen(splash_);
    // A splash shown before the event loop runs takes in the window system's first events on
    // the way: it is painted as soon as the window system lets it, and only once.
    splash_->show();
    QSplashScreen* shown = splash_;
    QTimer::singleShot(options_.splashMs, shown, [shown] {
        shown->close();
        shown->deleteLater();
    });
}
