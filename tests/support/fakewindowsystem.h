#pragma once

#include "platform/windowsystem.h"

#include <QRect>
#include <QWindow>

#include <map>
#include <vector>

// One window of the scripted desktop.
struct FakeWindow {
    WindowHandle handle = 0;
    std::string title;
    QRect rect;              // on the screen, also for child windows
    bool visible = true;     // mapped; a child is on show only while its ancestors are
    bool minimised = false;  // top-level windows only
    WindowHandle parent = 0; // set for a child window, which is not a top-level window
    WindowHandle owner = 0;  // the owner of an owned top-level window (a dialog box)
};

// A desktop that a test scripts step by step: windows come and go, are raised, hidden,
// minimised and restored. Like the real one, it reports ownerHidden / ownerShown only for
// targets something was made owned by, and only when their being on show changes, and
// ownerGone when such a target is destroyed.
class FakeWindowSystem final : public WindowSystem {
    Q_OBJECT
public:
    // Adds a window: a top-level one at the top of the stacking order, a child window on top of
    // its parent's other children. False for handle 0, a handle in use or an unknown parent.
    bool add(FakeWindow window);
    // Destroys the window and its children.
    void destroy(WindowHandle window);
    void raise(WindowHandle window);
    void setTitle(WindowHandle window, std::string title);
    void setVisible(WindowHandle window, bool visible);
    void minimise(WindowHandle window);
    void restore(WindowHandle window);
    void setPinningAvailable(bool available) { pinningAvailable_ = available; }

    const FakeWindow* find(WindowHandle window) const;
    // The target the window was last made owned by, or 0.
    WindowHandle ownerOf(const QWindow* window) const;
    int makeOwnedCalls() const { return makeOwnedCalls_; }

    bool pinningAvailable() const override { return pinningAvailable_; }
    bool exists(WindowHandle window) const override;
    bool isOnShow(WindowHandle window) const override;
    std::string title(WindowHandle window, std::size_t maxBytes) const override;
    std::vector<WindowHandle> topLevelWindows() const override;
    WindowHandle windowAt(QPoint screenPoint) const override;
    WindowHandle parentOrOwner(WindowHandle window) const override;
    QWindow* ownerProxy(WindowHandle target) override;
    bool makeOwned(QWindow* window, WindowHandle target) override;
    using WindowSystem::makeOwned;

private:
    FakeWindow* findMutable(WindowHandle window);
    // The window's children, the topmost first.
    std::vector<WindowHandle> childrenOf(WindowHandle window) const;
    WindowHandle deepestAt(WindowHandle window, QPoint point) const;
    // Runs a change and reports the watched targets whose being on show it changed.
    template <typename Change> void changeAndReport(Change change);

    std::vector<FakeWindow> windows_; // in the order of adding, raised ones moved to the end
    std::map<const QWindow*, WindowHandle> owners_;
    std::map<WindowHandle, std::unique_ptr<QWindow>> proxies_;
    std::vector<WindowHandle> watched_;
    bool pinningAvailable_ = true;
    int makeOwnedCalls_ = 0;
};
