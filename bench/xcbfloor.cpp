// The floor below every toolkit: plain xcb putting N sticky windows on the desktop, the least
// any program can do on this X server and window manager. Each window has a Stickum's size, no
// decoration, stays on top, stays out of the task bar and is shown without taking the focus
// (_NET_WM_USER_TIME 0). Each asks for its own position, as a Stickum does, so that the window
// manager places none of them itself. All of them are made and mapped in one batch, with one
// flush; the server paints their background. Then the program waits for events, as a program in the
// tray would.
//   xcbfloor N
#include <xcb/xcb.h>
#include <xcb/xcb_icccm.h>

#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

enum AtomIndex {
    NetWmState,
    NetWmStateAbove,
    NetWmStateSkipTaskbar,
    NetWmStateSkipPager,
    NetWmUserTime,
    NetWmPid,
    NetWmName,
    Utf8String,
    MotifWmHints,
    AtomCount
};

constexpr std::array<const char*, AtomCount> kAtomNames{"_NET_WM_STATE",
                                                        "_NET_WM_STATE_ABOVE",
                                                        "_NET_WM_STATE_SKIP_TASKBAR",
                                                        "_NET_WM_STATE_SKIP_PAGER",
                                                        "_NET_WM_USER_TIME",
                                                        "_NET_WM_PID",
                                                        "_NET_WM_NAME",
                                                        "UTF8_STRING",
                                                        "_MOTIF_WM_HINTS"};

// All atoms asked in one round trip.
std::array<xcb_atom_t, AtomCount> internAtoms(xcb_connection_t* c) {
    std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
    for (int i = 0; i < AtomCount; ++i)
        cookies[i] = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(kAtomNames[i])),
                                     kAtomNames[i]);
    std::array<xcb_atom_t, AtomCount> atoms{};
    for (int i = 0; i < AtomCount; ++i) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookies[i], nullptr);
        atoms[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
    }
    return atoms;
}

// A Stickum's size, as the Qt floor's windows have it.
constexpr std::uint16_t kWidth = 160;
constexpr std::uint16_t kHeight = 90;

void setProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, xcb_atom_t type,
                 std::uint8_t format, std::uint32_t count, const void* data) {
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, property, type, format, count, data);
}

} // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 1;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) return 2;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const auto atoms = internAtoms(c);

    const std::uint32_t pid = static_cast<std::uint32_t>(getpid());
    const std::uint32_t userTime = 0;
    const std::array<xcb_atom_t, 3> states{atoms[NetWmStateAbove], atoms[NetWmStateSkipTaskbar],
                                           atoms[NetWmStateSkipPager]};
    // flags: decorations given; decorations: none.
    const std::array<std::uint32_t, 5> motifHints{2, 0, 0, 0, 0};
    const std::uint32_t mask = XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK;
    const std::array<std::uint32_t, 2> values{0xffff80, XCB_EVENT_MASK_EXPOSURE};
    for (int i = 0; i < count; ++i) {
        const std::int16_t x = static_cast<std::int16_t>(30 + (i % 20) * 40);
        const std::int16_t y = static_cast<std::int16_t>(30 + (i / 20) * 40);
        const xcb_window_t w = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, w, screen->root, x, y, kWidth, kHeight, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, mask, values.data());
        xcb_size_hints_t hints{};
        xcb_icccm_size_hints_set_position(&hints, 1, x, y);
        xcb_icccm_size_hints_set_size(&hints, 1, kWidth, kHeight);
        xcb_icccm_set_wm_normal_hints(c, w, &hints);
        const std::string name = "note " + std::to_string(i);
        setProperty(c, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                    static_cast<std::uint32_t>(name.size()), name.data());
        setProperty(c, w, atoms[NetWmName], atoms[Utf8String], 8,
                    static_cast<std::uint32_t>(name.size()), name.data());
        setProperty(c, w, atoms[NetWmPid], XCB_ATOM_CARDINAL, 32, 1, &pid);
        setProperty(c, w, atoms[NetWmUserTime], XCB_ATOM_CARDINAL, 32, 1, &userTime);
        setProperty(c, w, atoms[NetWmState], XCB_ATOM_ATOM, 32,
                    static_cast<std::uint32_t>(states.size()), states.data());
        setProperty(c, w, atoms[MotifWmHints], atoms[MotifWmHints], 32,
                    static_cast<std::uint32_t>(motifHints.size()), motifHints.data());
        xcb_map_window(c, w);
    }
    xcb_flush(c);

    while (xcb_generic_event_t* event = xcb_wait_for_event(c))
        std::free(event);
    xcb_disconnect(c);
    return 0;
}
