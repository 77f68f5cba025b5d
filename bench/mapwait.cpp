// Starts a program and measures the time from exec to the moment N of its windows are on show,
// asking the X server (not the program). Windows titled "Quillbox" (the splash, the main
// window) do not count.
//   mapwait N TIMEOUT_MS PROGRAM [ARGS...]
// Prints "<milliseconds> <pid>" and leaves the program running.
//
// It listens instead of polling: a poll of every window every few milliseconds would keep the
// X server (which the measured program needs) busy, the more so the more windows there are. The
// window manager's client list tells of new windows; each new one of the program is watched for
// being mapped and unmapped, and only those not yet on show are asked about, after each batch of
// events.
#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Reply<T> reply(T* raw) {
    return Reply<T>(raw, &std::free);
}

struct Watched {
    bool counts = false; // one of the program's windows, not titled "Quillbox"
    bool shown = false;
    bool asking = false; // mapped, or new: its state is asked after the next batch of events
};

class Watcher {
public:
    Watcher(xcb_connection_t* c, xcb_ewmh_connection_t& ewmh, pid_t pid)
        : c_(c), ewmh_(ewmh), pid_(pid) {}

    // Takes up the windows of the client list that are new.
    void refreshClients() {
        xcb_ewmh_get_windows_reply_t clients;
        if (!xcb_ewmh_get_client_list_reply(&ewmh_, xcb_ewmh_get_client_list(&ewmh_, 0), &clients,
                                            nullptr))
            return;
        std::vector<xcb_window_t> fresh;
        for (std::uint32_t i = 0; i < clients.windows_len; ++i) {
            if (!windows_.count(clients.windows[i])) fresh.push_back(clients.windows[i]);
        }
        xcb_ewmh_get_windows_reply_wipe(&clients);

        const std::uint32_t events = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        std::vector<xcb_get_property_cookie_t> pids, names;
        for (xcb_window_t w : fresh) {
            xcb_change_window_attributes(c_, w, XCB_CW_EVENT_MASK, &events);
            pids.push_back(xcb_ewmh_get_wm_pid(&ewmh_, w));
            names.push_back(xcb_ewmh_get_wm_name(&ewmh_, w));
        }
        for (std::size_t i = 0; i < fresh.size(); ++i) {
            std::uint32_t windowPid = 0;
            const bool ours = xcb_ewmh_get_wm_pid_reply(&ewmh_, pids[i], &windowPid, nullptr) &&
                              windowPid == static_cast<std::uint32_t>(pid_);
            bool quillboxTitled = false;
            xcb_ewmh_get_utf8_strings_reply_t name;
            if (xcb_ewmh_get_wm_name_reply(&ewmh_, names[i], &name, nullptr)) {
                quillboxTitled = std::string(name.strings, name.strings_len) == "Quillbox";
                xcb_ewmh_get_utf8_strings_reply_wipe(&name);
            }
            Watched& watched = windows_[fresh[i]];
            watched.counts = ours && !quillboxTitled;
            watched.asking = watched.counts;
        }
    }

    // Asks the server whether the windows that are new or were mapped are on show (the window
    // manager's frame around them may follow a moment later: those are asked again).
    void refreshShown() {
        std::vector<std::pair<xcb_window_t, xcb_get_window_attributes_cookie_t>> asked;
        for (const auto& [w, watched] : windows_) {
            if (watched.asking) asked.emplace_back(w, xcb_get_window_attributes(c_, w));
        }
        for (const auto& [w, cookie] : asked) {
            auto attr = reply(xcb_get_window_attributes_reply(c_, cookie, nullptr));
            Watched& watched = windows_[w];
            watched.shown = attr && attr->map_state == XCB_MAP_STATE_VIEWABLE;
            watched.asking = attr && attr->map_state == XCB_MAP_STATE_UNVIEWABLE;
        }
    }

    void mapped(xcb_window_t w) {
        const auto it = windows_.find(w);
        if (it != windows_.end()) it->second.asking = it->second.counts;
    }
    void unmapped(xcb_window_t w) {
        const auto it = windows_.find(w);
        if (it != windows_.end()) it->second.shown = it->second.asking = false;
    }

    int shown() const {
        int n = 0;
        for (const auto& entry : windows_)
            n += entry.second.counts && entry.second.shown ? 1 : 0;
        return n;
    }

private:
    xcb_connection_t* c_;
    xcb_ewmh_connection_t& ewmh_;
    pid_t pid_;
    std::map<xcb_window_t, Watched> windows_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: mapwait N TIMEOUT_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const int wanted = std::atoi(argv[1]);
    const auto timeout = std::chrono::milliseconds(std::atoi(argv[2]));
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "mapwait: no X server\n");
        return 2;
    }
    xcb_ewmh_connection_t ewmh;
    if (!xcb_ewmh_init_atoms_replies(&ewmh, xcb_ewmh_init_atoms(c, &ewmh), nullptr)) return 2;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::uint32_t rootEvents = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootEvents);
    xcb_flush(c);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    Watcher watcher(c, ewmh, pid);
    bool clientsChanged = true;
    for (;;) {
        if (clientsChanged) watcher.refreshClients();
        clientsChanged = false;
        watcher.refreshShown();
        if (watcher.shown() >= wanted) break;
        const auto waited = std::chrono::steady_clock::now() - start;
        if (waited > timeout) {
            std::printf("timeout %d\n", pid);
            return 1;
        }
        // Sleeps until the server tells something (or after a while, to look again anyway).
        pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&fd, 1, 50);
        while (auto* event = xcb_poll_for_event(c)) {
            switch (event->response_type & 0x7f) {
            case XCB_PROPERTY_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_property_notify_event_t*>(event);
                if (e->window == root && e->atom == ewmh._NET_CLIENT_LIST) clientsChanged = true;
                break;
            }
            case XCB_MAP_NOTIFY:
                watcher.mapped(reinterpret_cast<xcb_map_notify_event_t*>(event)->window);
                break;
            case XCB_UNMAP_NOTIFY:
                watcher.unmapped(reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window);
                break;
            default:
                break;
            }
            std::free(event);
        }
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.1f %d\n", ms, pid);
    xcb_ewmh_connection_wipe(&ewmh);
    xcb_disconnect(c);
    return 0;
}
