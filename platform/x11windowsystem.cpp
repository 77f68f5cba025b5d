#include "platform/x11windowsystem.h"

#include "model/text.h"
#include "platform/nativewindow.h"
#include "platform/xcbsupport.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>
#include <xcb/xcb_icccm.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string_view>
#include <utility>

namespace {

constexpr std::uint32_t kIconicState = 3;   // ICCCM WM_STATE
constexpr std::uint32_t kTitleLongs = 1024; // titles are read up to 4 KiB
constexpr std::uint32_t kListLongs = 4096;  // window and state lists
constexpr int kMaxDepth = 64;               // of a search through a window's subtree

} // namespace

struct X11WindowSystem::Xcb {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = XCB_WINDOW_NONE;
    xcb_ewmh_connection_t ewmh{};
    bool ewmhReady = false;
    xcb_atom_t wmState = XCB_ATOM_NONE;

    ~Xcb() {
        if (ewmhReady) xcb_ewmh_connection_wipe(&ewmh);
    }

    // The property's value, or none when the window or the property does not exist.
    XcbPtr<xcb_get_property_reply_t> property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type,
                                              std::uint32_t longs) const {
        auto reply = replyOf(connection, xcb_get_property_reply,
                             xcb_get_property(connection, 0, window, name, type, 0, longs));
        if (reply && reply->type == XCB_ATOM_NONE) reply.reset();
        return reply;
    }

    std::vector<std::uint32_t> values32(const xcb_get_property_reply_t* reply) const {
        if (reply == nullptr || reply->format != 32) return {};
        const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        return std::vector<std::uint32_t>(data, data + count);
    }

    bool hasWmState(xcb_window_t window) const {
        return property(window, wmState, XCB_ATOM_ANY, 2) != nullptr;
    }

    // The child of `inside` that holds the root point, or none.
    xcb_window_t childAt(xcb_window_t inside, QPoint rootPoint) const {
        auto reply = replyOf(connection, xcb_translate_coordinates_reply,
                             xcb_translate_coordinates(connection, root, inside,
                                                       static_cast<std::int16_t>(rootPoint.x()),
                                                       static_cast<std::int16_t>(rootPoint.y())));
        return reply ? reply->child : xcb_window_t{XCB_WINDOW_NONE};
    }

    // The first window at or below `top`, breadth first, that the window manager manages.
    xcb_window_t clientBelow(xcb_window_t top) const {
        std::deque<std::pair<xcb_window_t, int>> queue{{top, 0}};
        while (!queue.empty()) {
            const auto [window, depth] = queue.front();
            queue.pop_front();
            if (hasWmState(window)) return window;
            if (depth >= kMaxDepth) continue;
            auto tree =
                replyOf(connection, xcb_query_tree_reply, xcb_query_tree(connection, window));
            if (!tree) continue;
            const xcb_window_t* children = xcb_query_tree_children(tree.get());
            const int count = xcb_query_tree_children_length(tree.get());
            for (int i = count - 1; i >= 0; --i)
                queue.emplace_back(children[i], depth + 1);
        }
        return XCB_WINDOW_NONE;
    }
};

std::unique_ptr<X11WindowSystem> X11WindowSystem::create() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    xcb_connection_t* connection = qtXcbConnection();
    if (connection == nullptr) return nullptr;

    auto xcb = std::make_unique<Xcb>();
    xcb->connection = connection;
    xcb_intern_atom_cookie_t* cookies = xcb_ewmh_init_atoms(xcb->connection, &xcb->ewmh);
    xcb_generic_error_t* error = nullptr;
    xcb->ewmhReady = xcb_ewmh_init_atoms_replies(&xcb->ewmh, cookies, &error) != 0;
    std::free(error);
    if (!xcb->ewmhReady || xcb->ewmh.nb_screens <= 0) return nullptr;
    const int screen = std::min(qtScreenNumber(), xcb->ewmh.nb_screens - 1);
    xcb->root = xcb->ewmh.screens[screen]->root;

    constexpr std::string_view wmState = "WM_STATE";
    auto atom = replyOf(xcb->connection, xcb_intern_atom_reply,
                        xcb_intern_atom(xcb->connection, 0, wmState.size(), wmState.data()));
    if (!atom) return nullptr;
    xcb->wmState = atom->atom;
    return std::unique_ptr<X11WindowSystem>(new X11WindowSystem(std::move(xcb)));
}

X11WindowSystem::X11WindowSystem(std::unique_ptr<Xcb> xcb) : xcb_(std::move(xcb)) {
    // Changes are reported once the events of one burst are in, from the event loop, so that a
    // receiver never runs inside Qt's event filtering.
    reportTimer_.setSingleShot(true);
    reportTimer_.setInterval(0);
    connect(&reportTimer_, &QTimer::timeout, this, &X11WindowSystem::reportChanges);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11WindowSystem::~X11WindowSystem() {
    if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool X11WindowSystem::exists(WindowHandle window) const {
    if (window == 0 || window > UINT32_MAX) return false;
    auto* c = xcb_->connection;
    return replyOf(c, xcb_get_window_attributes_reply,
                   xcb_get_window_attributes(c, static_cast<xcb_window_t>(window))) != nullptr;
}

bool X11WindowSystem::isOnShow(WindowHandle window) const {
    if (window == 0 || window > UINT32_MAX) return false;
    auto* c = xcb_->connection;
    const auto w = static_cast<xcb_window_t>(window);
    // All three questions go out before the first answer is awaited.
    const auto attributesCookie = xcb_get_window_attributes(c, w);
    const auto wmStateCookie = xcb_get_property(c, 0, w, xcb_->wmState, XCB_ATOM_ANY, 0, 2);
    const auto netStateCookie =
        xcb_get_property(c, 0, w, xcb_->ewmh._NET_WM_STATE, XCB_ATOM_ATOM, 0, kListLongs);
    const auto attributes = replyOf(c, xcb_get_window_attributes_reply, attributesCookie);
    const auto wmState = replyOf(c, xcb_get_property_reply, wmStateCookie);
    const auto netState = replyOf(c, xcb_get_property_reply, netStateCookie);

    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) return false;
    const auto wmStateValues = xcb_->values32(wmState.get());
    if (!wmStateValues.empty() && wmStateValues.front() == kIconicState) return false;
    const auto states = xcb_->values32(netState.get());
    return std::find(states.begin(), states.end(), xcb_->ewmh._NET_WM_STATE_HIDDEN) == states.end();
}

std::string X11WindowSystem::title(WindowHandle window, std::size_t maxBytes) const {
    if (window == 0 || window > UINT32_MAX) return {};
    const auto w = static_cast<xcb_window_t>(window);
    QString text;
    // Today's applications set _NET_WM_NAME in UTF-8; older ones only WM_NAME, in Latin-1
    // unless its type says UTF-8.
    if (auto name = xcb_->property(w, xcb_->ewmh._NET_WM_NAME, xcb_->ewmh.UTF8_STRING, kTitleLongs);
        name && name->format == 8 && xcb_get_property_value_length(name.get()) > 0) {
        text = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(name.get())),
                                 xcb_get_property_value_length(name.get()));
    } else if (auto legacy = xcb_->property(w, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, kTitleLongs);
               legacy && legacy->format == 8) {
        const auto* bytes = static_cast<const char*>(xcb_get_property_value(legacy.get()));
        const int length = xcb_get_property_value_length(legacy.get());
        text = legacy->type == xcb_->ewmh.UTF8_STRING ? QString::fromUtf8(bytes, length)
                                                      : QString::fromLatin1(bytes, length);
    }
    const QByteArray utf8 = text.toUtf8();
    return cutToBytes(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                      maxBytes);
}

std::vector<WindowHandle> X11WindowSystem::topLevelWindows() const {
    std::vector<WindowHandle> windows;
    auto stacking = xcb_->property(xcb_->root, xcb_->ewmh._NET_CLIENT_LIST_STACKING,
                                   XCB_ATOM_WINDOW, kListLongs);
    if (stacking) {
        const auto values = xcb_->values32(stacking.get()); // the bottom one first
        windows.assign(values.rbegin(), values.rend());
        return windows;
    }
    // Without a window manager that keeps the list, the root's children are the top level.
    auto* c = xcb_->connection;
    auto tree = replyOf(c, xcb_query_tree_reply, xcb_query_tree(c, xcb_->root));
    if (!tree) return windows;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    for (int i = count - 1; i >= 0; --i)
        windows.push_back(children[i]);
    return windows;
}

WindowHandle X11WindowSystem::windowAt(QPoint screenPoint) const {
    // X works in device pixels.
    const QPoint point = toDevicePixels(screenPoint);
    const xcb_window_t top = xcb_->childAt(xcb_->root, point);
    if (top == XCB_WINDOW_NONE) return 0;
    // Down along the point to the application window inside the window manager's frame.
    xcb_window_t current = top;
    for (int depth = 0; current != XCB_WINDOW_NONE && depth < kMaxDepth; ++depth) {
        if (xcb_->hasWmState(current)) return current;
        current = xcb_->childAt(current, point);
    }
    // The point is on the frame's decoration: the application window it holds.
    const xcb_window_t client = xcb_->clientBelow(top);
    return client != XCB_WINDOW_NONE ? client : top;
}

WindowHandle X11WindowSystem::parentOrOwner(WindowHandle window) const {
    if (window == 0 || window > UINT32_MAX) return 0;
    auto* c = xcb_->connection;
    const auto w = static_cast<xcb_window_t>(window);
    xcb_window_t owner = XCB_WINDOW_NONE;
    xcb_generic_error_t* error = nullptr;
    const bool hasOwner = xcb_icccm_get_wm_transient_for_reply(
                              c, xcb_icccm_get_wm_transient_for(c, w), &owner, &error) != 0;
    std::free(error);
    if (hasOwner && owner != XCB_WINDOW_NONE && owner != w && owner != xcb_->root) return owner;
    // An application window's parent is the window manager's frame, which is not answered.
    if (xcb_->hasWmState(w)) return 0;
    auto tree = replyOf(c, xcb_query_tree_reply, xcb_query_tree(c, w));
    if (!tree || tree->parent == xcb_->root || tree->parent == XCB_WINDOW_NONE) return 0;
    return tree->parent;
}

bool X11WindowSystem::makeOwned(QWindow* window, WindowHandle target) {
    if (window == nullptr || !exists(target)) return false;
    const auto t = static_cast<xcb_window_t>(target);
    QWindow* owner = ownerProxy(target);
    if (owner == nullptr) return false;
    // Qt writes WM_TRANSIENT_FOR from the transient parent whenever it maps the window; a window
    // already created gets it now as well.
    window->setTransientParent(owner);
    if (window->handle() != nullptr) {
        const auto self = static_cast<xcb_window_t>(window->winId());
        xcb_change_property(xcb_->connection, XCB_PROP_MODE_REPLACE, self,
                            XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &t);
        xcb_flush(xcb_->connection);
    }
    watch(t);
    return true;
}

QWindow* X11WindowSystem::ownerProxy(WindowHandle target) {
    if (!exists(target)) return nullptr;
    auto& proxy = proxies_[static_cast<std::uint32_t>(target)];
    if (!proxy) proxy.reset(QWindow::fromWinId(static_cast<WId>(target)));
    return proxy.get();
}

void X11WindowSystem::addToEventMask(std::uint32_t window, std::uint32_t mask) const {
    // Each client has its own event mask on a window; Qt's may already be there (a target can be
    // one of Quillbox's own windows), so it is widened, never replaced.
    auto* c = xcb_->connection;
    auto attributes =
        replyOf(c, xcb_get_window_attributes_reply, xcb_get_window_attributes(c, window));
    if (!attributes) return;
    const std::uint32_t wanted = attributes->your_event_mask | mask;
    if (wanted == attributes->your_event_mask) return;
    const XcbPtr<xcb_generic_error_t> error(xcb_request_check(
        c, xcb_change_window_attributes_checked(c, window, XCB_CW_EVENT_MASK, &wanted)));
}

std::uint32_t X11WindowSystem::frameOf(std::uint32_t window) const {
    auto* c = xcb_->connection;
    xcb_window_t current = window;
    for (int depth = 0; depth < kMaxDepth; ++depth) {
        auto tree = replyOf(c, xcb_query_tree_reply, xcb_query_tree(c, current));
        if (!tree || tree->parent == XCB_WINDOW_NONE || tree->parent == tree->root) break;
        current = tree->parent;
    }
    return current;
}

void X11WindowSystem::watch(std::uint32_t target) {
    if (watched_.count(target) != 0) return;
    addToEventMask(target, XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE);
    Watch watch;
    watch.frame = frameOf(target);
    if (watch.frame != target) addToEventMask(watch.frame, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    watch.onShow = isOnShow(target);
    watched_[target] = watch;
}

void X11WindowSystem::markChanged(std::uint32_t window) {
    for (const auto& [target, watch] : watched_) {
        if (target == window || watch.frame == window) {
            changed_.insert(target);
            reportTimer_.start();
        }
    }
}

bool X11WindowSystem::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (watched_.empty() || eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case XCB_MAP_NOTIFY:
        markChanged(reinterpret_cast<const xcb_map_notify_event_t*>(event)->window);
        break;
    case XCB_UNMAP_NOTIFY:
        markChanged(reinterpret_cast<const xcb_unmap_notify_event_t*>(event)->window);
        break;
    case XCB_DESTROY_NOTIFY: {
        const xcb_window_t window =
            reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window;
        if (watched_.count(window) != 0) destroyed_.insert(window);
        markChanged(window);
        break;
    }
    case XCB_REPARENT_NOTIFY:
        markChanged(reinterpret_cast<const xcb_reparent_notify_event_t*>(event)->window);
        break;
    case XCB_PROPERTY_NOTIFY: {
        const auto* property = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (property->atom == xcb_->wmState || property->atom == xcb_->ewmh._NET_WM_STATE) {
            markChanged(property->window);
        }
        break;
    }
    default:
        break;
    }
    return false; // Qt handles every event as usual
}

void X11WindowSystem::reportChanges() {
    const std::set<std::uint32_t> changed = std::exchange(changed_, {});
    const std::set<std::uint32_t> destroyed = std::exchange(destroyed_, {});
    for (std::uint32_t target : changed) {
        const auto it = watched_.find(target);
        if (it == watched_.end()) continue;
        const bool wasOnShow = it->second.onShow;
        if (destroyed.count(target) != 0 || !exists(target)) {
            watched_.erase(it);
            if (wasOnShow) emit ownerHidden(target);
            emit ownerGone(target);
            continue;
        }
        // The window manager may have put the target into a new frame.
        const std::uint32_t frame = frameOf(target);
        if (frame != it->second.frame) {
            it->second.frame = frame;
            if (frame != target) addToEventMask(frame, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
        }
        const bool onShow = isOnShow(target);
        it->second.onShow = onShow;
        if (wasOnShow && !onShow) emit ownerHidden(target);
        if (!wasOnShow && onShow) emit ownerShown(target);
    }
}
