#include "platform/xcbsupport.h"

// Xlib only for the connection's default screen; its macros stay in this file.
#include <X11/Xlib.h>

int qtScreenNumber() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (Display* display = x11 ? x11->display() : nullptr) return DefaultScreen(display);
    // Qt without Xlib: the screen DISPLAY names, which is what it connected to unless told.
    char* host = nullptr;
    int displayNumber = 0;
    int screen = 0;
    if (xcb_parse_display(nullptr, &host, &displayNumber, &screen) == 0) return 0;
    std::free(host);
    return screen;
}
