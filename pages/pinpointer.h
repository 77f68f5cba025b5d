#pragma once

#include "model/holder.h"

#include <QPoint>
#include <QString>

class MessageBoxes;
class QWidget;
class WindowSystem;

// Whether windows take input, for desktops whose hit test passes over windows that do not.
// The X server finds every window on show at a point, so by default every window takes input
// and there is nothing to switch.
class WindowEnabling {
public:
    virtual ~WindowEnabling() = default;
    virtual bool isEnabled(WindowHandle) const { return true; }
    virtual void setEnabled(WindowHandle, bool) {}
};

// At most count characters of the text, never half of one.
QString firstCharacters(const QString& text, int count);

// The pin-pointing gesture. start() grabs the pointer for the grabbing widget, so that the next
// press anywhere on the screen reaches it; the widget then stops the gesture and asks resolve()
// for the window at the press: the outermost window there, once the user said Yes to it.
class PinPointer {
public:
    // Characters of a title in the question.
    static constexpr int kQuestionTitle = 79;
    // Steps a walk up through parents and owners takes at most: an owner that names one of its
    // own descendants must not hold the program forever.
    static constexpr int kMaxWalk = 64;

    PinPointer(QWidget& grabber, MessageBoxes& messages, WindowSystem& windows);

    WindowSystem& windowSystem() const { return *windows_; }
    // nullptr puts the default back.
    void setEnabling(WindowEnabling* enabling);

    // The gesture waits for its press.
    bool waiting() const { return waiting_; }
    // Grabs the pointer and waits.
    void start();
    // Gives the pointer back and waits no longer.
    void stop();

    // Visits the top-level windows from the top for one with a window at the point, walks up to
    // the outermost window and asks whether to attach the note to it. The window, or 0 when
    // there was none or the answer was No.
    WindowHandle resolve(QPoint screenPoint);
    // The window itself when it has neither parent nor owner.
    WindowHandle outermost(WindowHandle window) const;
    // The window's title, at most count characters.
    QString titleOf(WindowHandle window, int count) const;

private:
    bool confirm(WindowHandle window);

    QWidget& grabber_;
    MessageBoxes& messages_;
    WindowSystem* windows_;
    WindowEnabling defaultEnabling_;
    WindowEnabling* enabling_ = &defaultEnabling_;
    bool waiting_ = false;
};
