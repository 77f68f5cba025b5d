#include "platform/activation.h"

#include "platform/xcbsupport.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb_ewmh.h>

namespace {

// The X server's time now, asked on a connection of its own: a property appended to nothing
// comes back as an event with the server's time stamp. 0 when it cannot be had.
xcb_timestamp_t serverTimeNow() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    xcb_timestamp_t time = 0;
    const xcb_setup_t* setup = xcb_connection_has_error(c) ? nullptr : xcb_get_setup(c);
    if (setup) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
        const xcb_window_t probe = xcb_generate_id(c);
        const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(c, XCB_COPY_FROM_PARENT, probe, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                          &events);
        xcb_change_property(c, XCB_PROP_MODE_APPEND, probe, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0,
                            nullptr);
        xcb_flush(c);
        while (XcbPtr<xcb_generic_event_t> event{xcb_wait_for_event(c)}) {
            if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) continue;
            time = reinterpret_cast<xcb_property_notify_event_t*>(event.get())->time;
            break;
        }
    }
    xcb_disconnect(c);
    return time;
}

// A window the window manager has not mapped yet is not its to activate: asked again a little
// later, for a while.
constexpr int kMapPatienceMs = 3000;
constexpr int kMapPollMs = 20;

void askWindowManager(QWidget* window) {
    xcb_connection_t* c = qtXcbConnection();
    const xcb_timestamp_t time = c ? serverTimeNow() : 0;
    if (!c || time == 0) return window->activateWindow();
    xcb_ewmh_connection_t ewmh;
    if (!xcb_ewmh_init_atoms_replies(&ewmh, xcb_ewmh_init_atoms(c, &ewmh), nullptr))
        return window->activateWindow();
    // Source 1: an application acting on the user's request.
    xcb_ewmh_request_change_active_window(&ewmh, 0, static_cast<xcb_window_t>(window->winId()),
                                          XCB_EWMH_CLIENT_SOURCE_TYPE_NORMAL, time, XCB_NONE);
    xcb_ewmh_connection_wipe(&ewmh);
    xcb_flush(c);
}

void activateWhenMapped(const QPointer<QWidget>& window, int triesLeft) {
    if (!window || !window->isVisible()) return;
    if (window->windowHandle() && window->windowHandle()->isExposed()) {
        askWindowManager(window);
        return;
    }
    if (triesLeft > 0)
        QTimer::singleShot(kMapPollMs, window,
                           [window, triesLeft] { activateWhenMapped(window, triesLeft - 1); });
}

} // namespace

void activateForUser(QWidget* window) {
    activateWhenMapped(window, kMapPatienceMs / kMapPollMs);
}
