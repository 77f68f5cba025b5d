#pragma once

#include "app/trayicon.h"
#include "model/date.h"
#include "model/result.h"
#include "platform/waveplayer.h"

#include <QObject>
#include <QPointer>
#include <QSplashScreen>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class MessageBoxes;
class MyDialog;
class MyFrame;
class WindowSystem;

// What the program is started with: where its data file is, its default wave file, and the
// parts that talk to the user and the desktop (tests replace them).
struct StartOptions {
    QString dataDirectory;
    // The data file itself (--data); empty: quillbox.dat in dataDirectory.
    QString dataFile;
    QString defaultWaveFile;
    MessageBoxes* messages = nullptr;
    std::function<std::unique_ptr<TrayIcon>()> makeTray;
    // Other applications' windows and the alert sound; unset: the real ones.
    std::function<std::unique_ptr<WindowSystem>()> makeWindowSystem;
    WavePlayerFactory openWave;
    // Today's date; unset: the system clock's.
    TodaySource today;
    int splashMs = 1500;
    // What starts this Quillbox again at login; empty: the program alone.
    QStringList startCommand;
};

// The program: the splash picture, the main dialog and its frame, and the event loop.
class MyApp : public QObject {
    Q_OBJECT
public:
    explicit MyApp(StartOptions options);
    ~MyApp() override;

    // Builds the main window. Returns the exit status when the program must end at once (the
    // data file said so); otherwise nothing, and the program lives in the tray or on screen.
    std::optional<int> initMainWindow();

    QString dataPath() const;
    // Saves everything as at a Yes on the quit question, without asking: the desktop session
    // ends or the program was told to stop. Failed when that save failed (the unsaved version
    // was kept aside, and the terminal says where).
    Result endSession();
    // Told to stop (logout, shutdown, kill, Ctrl+C): once running, ends the session and the
    // event loop, with status 1 when its save failed. While a box of the start-up is open (a
    // damaged file's notice, the old-file question) the box closes and the program ends with
    // status 0 without writing anything: the user has agreed to nothing yet.
    void stop();
    // The program is ending by a way that unwinds nothing (the X server is gone): everything
    // in memory is saved without asking the user or the window system anything.
    void saveBeforeExit();
    MyFrame* frame() const { return frame_.get(); }
    MyDialog* dialog() const { return dialog_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend struct MyAppTestPeer;

    void showSplash();

    StartOptions options_;
    std::unique_ptr<MyFrame> frame_;
    bool running_ = false;       // initMainWindow is done
    bool stopRequested_ = false; // told to stop before it was
    MyDialog* dialog_ = nullptr; // owned by the frame
    QPointer<QSplashScreen> splash_;
};
