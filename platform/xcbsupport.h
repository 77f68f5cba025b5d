#pragma once

// What the platform's X11 code shares: Qt's own connection to the X server, and replies that
// free themselves. For platform/ only.

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <type_traits>

// xcb hands out replies and errors allocated with malloc; the caller frees them.
struct XcbFree {
    void operator()(void* p) const noexcept { std::free(p); }
};
template <typename T> using XcbPtr = std::unique_ptr<T, XcbFree>;

// The reply to a request, or none when the request failed (the error is freed here, so it never
// reaches Qt's event queue as a warning).
template <typename ReplyFn, typename Cookie>
auto replyOf(xcb_connection_t* connection, ReplyFn replyFn, Cookie cookie) {
    xcb_generic_error_t* error = nullptr;
    using Reply = std::remove_pointer_t<decltype(replyFn(connection, cookie, &error))>;
    XcbPtr<Reply> reply(replyFn(connection, cookie, &error));
    const XcbPtr<xcb_generic_error_t> errorGuard(error);
    if (error != nullptr) reply.reset();
    return reply;
}

// Qt's connection to the X server; none unless the application runs on Qt's xcb platform, and
// none once it broke (a broken connection is asked nothing: its answers would never come).
inline xcb_connection_t* qtXcbConnection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    return c && xcb_connection_has_error(c) == 0 ? c : nullptr;
}

// The screen of Qt's connection: the one -display names, else DISPLAY.
int qtScreenNumber();
