#pragma once

// Another application on the X server, for tests on a real desktop: bare xcb top-level windows
// made and changed on a connection of its own, and what an outsider can read about any window.

#include <QRect>

#include <xcb/xcb.h>
#include <xcb/xcb_icccm.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

class ForeignApp {
public:
    ForeignApp() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_) == 0)
            screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    }
    ~ForeignApp() { xcb_disconnect(connection_); }
    ForeignApp(const ForeignApp&) = delete;
    ForeignApp& operator=(const ForeignApp&) = delete;

    bool ok() const { return screen_ != nullptr; }

    xcb_window_t root() const { return screen_->root; }

    // A mapped top-level window with only WM_NAME set, like xterm's (and WM_TRANSIENT_FOR when
    // it belongs to another window, like a dialog box).
    xcb_window_t makeWindow(const std::string& name, QRect rect,
                            xcb_window_t transientFor = XCB_WINDOW_NONE) {
        const xcb_window_t w = xcb_generate_id(connection_);
        const std::uint32_t values[] = {screen_->white_pixel};
        xcb_create_window(
            connection_, XCB_COPY_FROM_PARENT, w, screen_->root,
            static_cast<std::int16_t>(rect.x()), static_cast<std::int16_t>(rect.y()),
            static_cast<std::uint16_t>(rect.width()), static_cast<std::uint16_t>(rect.height()), 0,
            XCB_WINDOW_CLASS_INPUT_OUTPUT, screen_->root_visual, XCB_CW_BACK_PIXEL, values);
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NAME,
                            XCB_ATOM_STRING, 8, static_cast<std::uint32_t>(name.size()),
                            name.data());
        if (transientFor != XCB_WINDOW_NONE) {
            xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_TRANSIENT_FOR,
                                XCB_ATOM_WINDOW, 32, 1, &transientFor);
        }
        map(w);
        return w;
    }

    void map(xcb_window_t w) {
        xcb_map_window(connection_, w);
        xcb_flush(connection_);
    }

    void raise(xcb_window_t w) {
        const std::uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(connection_, w, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        xcb_flush(connection_);
    }

    void destroy(xcb_window_t w) {
        xcb_destroy_window(connection_, w);
        xcb_flush(connection_);
    }

    // Asks the window manager to minimise the window (ICCCM WM_CHANGE_STATE).
    void minimise(xcb_window_t w) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = w;
        message.type = atom("WM_CHANGE_STATE");
        message.data.data32[0] = XCB_ICCCM_WM_STATE_ICONIC;
        xcb_send_event(connection_, 0, screen_->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
    }

    bool windowManagerRuns() const {
        return !property32(screen_->root, "_NET_SUPPORTING_WM_CHECK").empty();
    }
    bool isManaged(xcb_window_t w) const { return !property32(w, "WM_STATE").empty(); }

    xcb_window_t transientFor(xcb_window_t w) const {
        const auto values = property32(w, "WM_TRANSIENT_FOR");
        return values.empty() ? xcb_window_t{XCB_WINDOW_NONE} : values.front();
    }

    // Mapped, with all its ancestors: on the screen.
    bool isViewable(xcb_window_t w) const {
        Reply<xcb_get_window_attributes_reply_t> reply(xcb_get_window_attributes_reply(
            connection_, xcb_get_window_attributes(connection_, w), nullptr));
        return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
    }

    // The window's place in the window manager's bottom-to-top stacking list, or -1.
    int stackingIndex(xcb_window_t w) const {
        const auto stack = property32(screen_->root, "_NET_CLIENT_LIST_STACKING");
        const auto it = std::find(stack.begin(), stack.end(), w);
        return it == stack.end() ? -1 : static_cast<int>(it - stack.begin());
    }

    // Whether the window manager says it knows the atom (_NET_SUPPORTED).
    bool wmSupports(const char* name) const {
        const auto supported = property32(screen_->root, "_NET_SUPPORTED");
        return std::find(supported.begin(), supported.end(), atom(name)) != supported.end();
    }

    bool hasState(xcb_window_t w, const char* state) const {
        const auto states = property32(w, "_NET_WM_STATE");
        return std::find(states.begin(), states.end(), atom(state)) != states.end();
    }

    // The window's rectangle on the screen (inside the window manager's frame).
    QRect rectOnScreen(xcb_window_t w) const {
        Reply<xcb_get_geometry_reply_t> geometry(
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, w), nullptr));
        Reply<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
            connection_, xcb_translate_coordinates(connection_, w, screen_->root, 0, 0), nullptr));
        if (!geometry || !origin) return {};
        return QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
    }

private:
    struct FreeDeleter {
        void operator()(void* p) const noexcept { std::free(p); }
    };
    template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

    xcb_atom_t atom(const char* name) const {
        Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
            connection_,
            xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr));
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    std::vector<std::uint32_t> property32(xcb_window_t w, const char* name) const {
        Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, w, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
            nullptr));
        std::vector<std::uint32_t> values;
        if (!reply || reply->format != 32) return values;
        const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
        values.assign(data, data + xcb_get_property_value_length(reply.get()) / 4);
        return values;
    }

    xcb_connection_t* connection_;
    xcb_screen_t* screen_ = nullptr;
};
