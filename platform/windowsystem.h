#pragma once

#include "model/windowhandle.h"

#include <QObject>
#include <QPoint>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class QWidget;
class QWindow;

// What Quillbox needs to know about other applications' top-level windows, and the one thing it
// does to them: own a Stickum, so that the Stickum stays in front of the window and hides and
// shows with it. Every answer is about the moment of asking; a handle of a window that has gone
// is answered like any unknown handle (it does not exist, is not on show, has no title).
class WindowSystem : public QObject {
    Q_OBJECT
public:
    ~WindowSystem() override = default;

    // False where other applications' windows cannot be reached at all: no window is listed,
    // found or owned, and the Notes page says that pinning is unavailable.
    virtual bool pinningAvailable() const = 0;

    virtual bool exists(WindowHandle window) const = 0;
    // Shown on the screen and not minimised.
    virtual bool isOnShow(WindowHandle window) const = 0;
    // The window's title as UTF-8, at most maxBytes bytes, never cut inside a character; empty
    // when the window has none or does not exist.
    virtual std::string title(WindowHandle window, std::size_t maxBytes) const = 0;

    // The top-level windows, the topmost first.
    virtual std::vector<WindowHandle> topLevelWindows() const = 0;
    // The application window on show at a point of the screen (in the coordinates of Qt's
    // screen geometry), never a hidden one and never the window manager's decoration around it;
    // 0 where there is none.
    virtual WindowHandle windowAt(QPoint screenPoint) const = 0;
    // The window's parent, or the owner of an owned top-level window such as a dialog box; 0 for
    // a window that has neither. A walk up through these answers ends at the outermost window.
    virtual WindowHandle parentOrOwner(WindowHandle window) const = 0;

    // Qt's stand-in for the target, to be given to a Stickum's frame as its owner window; it
    // lives as long as this object, even after the target is gone. None while the target does
    // not exist, and where pinning is unavailable.
    virtual QWindow* ownerProxy(WindowHandle target) = 0;
    // Makes the window (a Stickum's frame) owned by the target: it stays in front of the target
    // and from now on ownerHidden and ownerShown report the target's changes. False when the
    // target does not exist or pinning is unavailable; the window is then left as it was.
    virtual bool makeOwned(QWindow* window, WindowHandle target) = 0;
    // The same for a top-level widget; its native window is created if it does not exist yet.
    bool makeOwned(QWidget* frame, WindowHandle target);

    // Shows a Stickum's frame. The window manager minimises an owned window together with its
    // owner; one hidden while so minimised would otherwise come back minimised, never seen.
    static void showFrame(QWidget* frame);

signals:
    // A target that owns a window went out of sight (minimised, hidden or destroyed).
    void ownerHidden(WindowHandle target);
    // A target that owns a window is on show again.
    void ownerShown(WindowHandle target);
    // A target that owns a window was destroyed (after ownerHidden when it was on show). Its
    // handle may be given to another application's window later: it names the target no more.
    void ownerGone(WindowHandle target);
};

// The window system of the running Qt platform: the X11 one under xcb, else the null one.
std::unique_ptr<WindowSystem> createWindowSystem();
