#include "platform/nativewindow.h"

#include "platform/xcbsupport.h"

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <vector>

namespace {

xcb_window_t nativeWindow(const QWidget* window) {
    if (!window || !window->isWindow() || !window->testAttribute(Qt::WA_WState_Created)) return 0;
    return static_cast<xcb_window_t>(window->internalWinId());
}

// What Stickums ask of the X server that does not change while the program runs: the atoms
// they use and the root window. Asked once per connection, all requests sent before the first
// answer is awaited, so it costs a single round trip.
struct ServerFacts {
    xcb_connection_t* connection = nullptr;
    xcb_atom_t state = XCB_ATOM_NONE;
    xcb_atom_t skipTaskbar = XCB_ATOM_NONE;
    xcb_atom_t skipPager = XCB_ATOM_NONE;
    xcb_atom_t above = XCB_ATOM_NONE;
    // The root window when the display has a single screen; 0 when a window's root must be
    // asked of the server.
    xcb_window_t root = 0;
};

const ServerFacts& serverFacts(xcb_connection_t* c) {
    static ServerFacts facts;
    if (facts.connection == c) return facts;
    facts = ServerFacts{};
    facts.connection = c;
    static constexpr std::array<const char*, 4> kNames = {
        "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER",
        "_NET_WM_STATE_ABOVE"};
    std::array<xcb_intern_atom_cookie_t, kNames.size()> cookies{};
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        cookies[i] =
            xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(kNames[i])), kNames[i]);
    }
    std::array<xcb_atom_t*, kNames.size()> targets = {&facts.state, &facts.skipTaskbar,
                                                      &facts.skipPager, &facts.above};
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        const auto reply = replyOf(c, xcb_intern_atom_reply, cookies[i]);
        *targets[i] = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    }
    const xcb_setup_t* setup = xcb_get_setup(c);
    if (setup && xcb_setup_roots_length(setup) == 1)
        facts.root = xcb_setup_roots_iterator(setup).data->root;
    return facts;
}

xcb_window_t rootOf(xcb_connection_t* c, xcb_window_t w) {
    if (const xcb_window_t root = serverFacts(c).root) return root;
    const auto geometry = replyOf(c, xcb_get_geometry_reply, xcb_get_geometry(c, w));
    return geometry ? geometry->root : 0;
}

} // namespace

std::vector<std::optional<QPoint>> nativeTopLefts(const std::vector<const QWidget*>& windows,
                                                  AfterAsking after) {
    std::vector<std::optional<QPoint>> places(windows.size());
    xcb_connection_t* c = qtXcbConnection();
    if (!c) return places;
    // Every question goes out before the first answer is awaited: one round trip in all.
    struct Asked {
        xcb_get_window_attributes_cookie_t attributes;
        xcb_translate_coordinates_cookie_t origin;
        bool shownByQt;
    };
    std::vector<std::optional<Asked>> cookies(windows.size());
    std::vector<xcb_window_t> ids(windows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const xcb_window_t w = ids[i] = nativeWindow(windows[i]);
        const xcb_window_t root = w ? rootOf(c, w) : 0;
        if (root)
            cookies[i] =
                Asked{xcb_get_window_attributes(c, w), xcb_translate_coordinates(c, w, root, 0, 0),
                      windows[i]->isVisible()};
    }
    if (after == AfterAsking::Unmap) {
        // The server answers in order: the questions above see the windows still standing.
        for (const xcb_window_t w : ids)
            if (w) xcb_unmap_window(c, w);
        xcb_flush(c);
    }
    for (std::size_t i = 0; i < windows.size(); ++i) {
        if (!cookies[i]) continue;
        const auto attributes = replyOf(c, xcb_get_window_attributes_reply, cookies[i]->attributes);
        const auto reply = replyOf(c, xcb_translate_coordinates_reply, cookies[i]->origin);
        if (!reply) continue;
        // Shown by Qt but not yet mapped: the window manager has the request to place and map
        // it and has not acted on it yet, so the server still has the window where it was
        // created.
        if (cookies[i]->shownByQt && attributes && attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            continue;
        places[i] = fromDevicePixels(QPoint(reply->dst_x, reply->dst_y));
    }
    return places;
}

std::optional<QPoint> nativeTopLeft(const QWidget* window) {
    return nativeTopLefts({window}).front();
}

QPoint fromDevicePixels(QPoint device) {
    // Qt keeps each screen's top-left corner where the X server has it and scales the rest by
    // the screen's pixel ratio. A point on no screen (a window hanging over the edge) counts
    // with the nearest one.
    const QScreen* nearest = nullptr;
    long long best = std::numeric_limits<long long>::max();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        const QRect pixels(area.topLeft(), area.size() * screen->devicePixelRatio());
        const long long dx = std::max({pixels.left() - device.x(), 0, device.x() - pixels.right()});
        const long long dy = std::max({pixels.top() - device.y(), 0, device.y() - pixels.bottom()});
        if (dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            nearest = screen;
        }
    }
    if (!nearest) return device;
    const QPoint origin = nearest->geometry().topLeft();
    const QPointF within = QPointF(device - origin) / nearest->devicePixelRatio();
    return origin + within.toPoint();
}

QPoint toDevicePixels(QPoint point) {
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen) return point;
    const QPoint origin = screen->geometry().topLeft();
    return origin + (QPointF(point - origin) * screen->devicePixelRatio()).toPoint();
}

unsigned long eventLoopTurn() {
    static unsigned long turn = 0;
    static QAbstractEventDispatcher* watched = nullptr;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher) return 0;
    if (dispatcher != watched) {
        watched = dispatcher;
        ++turn;
        QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, dispatcher, [] { ++turn; });
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher,
                         [] { ++turn; });
    }
    return turn;
}

void keepOutOfTaskBar(QWidget* window) {
    xcb_connection_t* c = qtXcbConnection();
    const xcb_window_t w = nativeWindow(window);
    if (!c || !w) return;
    const ServerFacts& facts = serverFacts(c);
    if (facts.state == XCB_ATOM_NONE) return;
    // The window is not mapped: the states it maps with are ours to choose, and the window
    // manager dropped whatever it held when the window was last withdrawn. So they are written
    // whole, without asking what is there; Qt adds its own to them when it maps the window.
    std::array<xcb_atom_t, 3> states{};
    std::uint32_t count = 0;
    for (const xcb_atom_t a : {facts.skipTaskbar, facts.skipPager}) {
        if (a != XCB_ATOM_NONE) states[count++] = a;
    }
    if ((window->windowFlags() & Qt::WindowStaysOnTopHint) && facts.above != XCB_ATOM_NONE)
        states[count++] = facts.above;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, facts.state, XCB_ATOM_ATOM, 32, count,
                        states.data());
}
