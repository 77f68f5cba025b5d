#include "stickum/caretblink.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QTimerEvent>

CaretBlink::CaretBlink(std::chrono::milliseconds idle)
    : idleMs_(static_cast<int>(idle.count())),
      flashTime_(QGuiApplication::styleHints()->cursorFlashTime()) {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
    idle_.start(idleMs_, this);
}

CaretBlink::~CaretBlink() {
    setStopped(false);
}

bool CaretBlink::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::InputMethod:
    case QEvent::FocusIn:
        input();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CaretBlink::timerEvent(QTimerEvent* event) {
    if (event->timerId() != idle_.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    idle_.stop();
    setStopped(true);
}

void CaretBlink::input() {
    // Restarting the timer on every key is cheap next to what a key press costs anyway.
    idle_.start(idleMs_, this);
    setStopped(false);
}

void CaretBlink::setStopped(bool stopped) {
    if (stopped == stopped_) return;
    stopped_ = stopped;
    // A period of 0 means a steady caret; Qt's edits take a new period at once.
    QGuiApplication::styleHints()->setCursorFlashTime(stopped ? 0 : flashTime_);
}
