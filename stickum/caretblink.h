#pragma once

#include <QBasicTimer>
#include <QObject>

#include <chrono>

// Keeps the text carets of the whole program still while nobody types. A blinking caret wakes
// the program twice a second for as long as an edit has the focus, which for a tray program
// that keeps a Stickum focused all day is the only thing that ever wakes it. So, as other
// desktops do, the caret of every edit (Stickums and the main window's pages alike) blinks for
// a few seconds after the last key press, click or focus change and then stays on, steady,
// until the next one. An edit whose window loses the focus stops blinking at once (Qt hides its
// caret then).
//
// One object for the program, made after the application object and kept while it runs:
//     CaretBlink caretBlink;
class CaretBlink : public QObject {
public:
    static constexpr std::chrono::milliseconds kDefaultIdle{5000};

    explicit CaretBlink(std::chrono::milliseconds idle = kDefaultIdle);
    // Gives the carets their blinking back.
    ~CaretBlink() override;
    CaretBlink(const CaretBlink&) = delete;
    CaretBlink& operator=(const CaretBlink&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    friend struct CaretBlinkTestPeer;

    void input();
    void setStopped(bool stopped);

    const int idleMs_;
    int flashTime_; // the desktop's caret period
    bool stopped_ = false;
    QBasicTimer idle_;
};
