#pragma once

#include "platform/windowsystem.h"

// The window system where other applications' windows are out of reach (a session without
// X11): it knows no windows and owns nothing, and says so.
class NullWindowSystem final : public WindowSystem {
    Q_OBJECT
public:
    bool pinningAvailable() const override;
    bool exists(WindowHandle window) const override;
    bool isOnShow(WindowHandle window) const override;
    std::string title(WindowHandle window, std::size_t maxBytes) const override;
    std::vector<WindowHandle> topLevelWindows() const override;
    WindowHandle windowAt(QPoint screenPoint) const override;
    WindowHandle parentOrOwner(WindowHandle window) const override;
    QWindow* ownerProxy(WindowHandle target) override;
    bool makeOwned(QWindow* window, WindowHandle target) override;
    using WindowSystem::makeOwned;
};
