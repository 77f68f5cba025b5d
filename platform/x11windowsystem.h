#pragma once

#include "platform/windowsystem.h"

#include <QAbstractNativeEventFilter>
#include <QTimer>

#include <cstdint>
#include <map>
#include <memory>
#include <set>

// Other applications' windows on an X11 desktop, reached through Qt's own xcb connection. The
// application windows are the ones the window manager manages (they carry WM_STATE); the
// frames it wraps around them are never answered. Targets that own a window are watched for
// being mapped, unmapped, minimised, restored and destroyed.
class X11WindowSystem final : public WindowSystem, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // None unless the application runs on Qt's xcb platform.
    static std::unique_ptr<X11WindowSystem> create();
    ~X11WindowSystem() override;

    bool pinningAvailable() const override { return true; }
    bool exists(WindowHandle window) const override;
    bool isOnShow(WindowHandle window) const override;
    std::string title(WindowHandle window, std::size_t maxBytes) const override;
    std::vector<WindowHandle> topLevelWindows() const override;
    WindowHandle windowAt(QPoint screenPoint) const override;
    WindowHandle parentOrOwner(WindowHandle window) const override;
    QWindow* ownerProxy(WindowHandle target) override;
    bool makeOwned(QWindow* window, WindowHandle target) override;
    using WindowSystem::makeOwned;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Xcb;
    struct Watch {
        std::uint32_t frame = 0; // the outermost window holding the target (its WM frame)
        bool onShow = false;     // as last reported
    };

    explicit X11WindowSystem(std::unique_ptr<Xcb> xcb);
    void watch(std::uint32_t target);
    void addToEventMask(std::uint32_t window, std::uint32_t mask) const;
    std::uint32_t frameOf(std::uint32_t window) const;
    void markChanged(std::uint32_t window);
    void reportChanges();

    std::unique_ptr<Xcb> xcb_;
    std::map<std::uint32_t, Watch> watched_;
    std::set<std::uint32_t> changed_;
    // Targets the server said were destroyed, until reported: a new window may take the id
    // before the report runs.
    std::set<std::uint32_t> destroyed_;
    // Qt's stand-ins for the targets, which Qt needs as transient parents; kept for good, as a
    // Stickum may still name one after its target has gone.
    std::map<std::uint32_t, std::unique_ptr<QWindow>> proxies_;
    QTimer reportTimer_;
};
