// Starts a program and measures the time from exec to the moment N of its windows are on show,
// asking the X server (not the program). Windows titled "Quillbox" (the splash, the main
// window) do not count.
//   mapwait N TIMEOUT_MS PROGRAM [ARGS...]
// Prints "<milliseconds> <pid>" and leaves the program running.
//
// The display switch of a running program, all N of its windows on show:
//   mapwait --switch N TIMEOUT_MS PID
// presses the left button on the program's tray icon (through the XTEST extension, as a user's
// press would come) and measures the time until none of its N windows is on show; a second later
// it presses again and measures until all N are back. Prints "<ms to hidden> <ms to shown>".
//
// The main window brought back from the tray:
//   mapwait --restore N TIMEOUT_MS PID
// presses the right button on the tray icon and measures the time until the program's window
// titled "Quillbox" is on show. Prints "<ms to shown>".
//
// It listens instead of polling: a poll of every window every few milliseconds would keep the
// X server (which the measured program needs) busy, the more so the more windows there are. The
// window manager's client list tells of new windows; each new one of the program is watched for
// being mapped and unmapped, and only those not yet on show are asked about, after each batch of
// events.
#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>
#include <xcb/xtest.h>

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
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
    // Counts the program's windows not titled "Quillbox", or (mainWindow) only those titled so.
    Watcher(xcb_connection_t* c, xcb_ewmh_connection_t& ewmh, pid_t pid, bool mainWindow = false)
        : c_(c), ewmh_(ewmh), pid_(pid), mainWindow_(mainWindow) {}

    // Takes up the windows of the client list that are new.
    void refreshClients() {
        xcb_ewmh_get_windows_reply_t clients;
        if (!xcb_ewmh_get_client_list_reply(&ewmh_, xcb_ewmh_get_client_list(&ewmh_, 0), &clients,
                                            nullptr))
            return;
        std::vector<xcb_window_t> fresh;
        // Windows that did not count are asked again: a window of a program that has just
        // ended may still be listed while a new program's window takes up its id.
        for (std::uint32_t i = 0; i < clients.windows_len; ++i) {
            const auto known = windows_.find(clients.windows[i]);
            if (known == windows_.end() || !known->second.counts)
                fresh.push_back(clients.windows[i]);
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
            watched.counts = ours && quillboxTitled == mainWindow_;
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

    void destroyed(xcb_window_t w) { windows_.erase(w); }

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
    bool mainWindow_;
    std::map<xcb_window_t, Watched> windows_;
};

// The connection to the X server and what every mode needs of it.
struct Session {
    xcb_connection_t* c = nullptr;
    xcb_ewmh_connection_t ewmh{};
    xcb_window_t root = XCB_WINDOW_NONE;
};

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The test of follow() for all N of the windows on show.
auto allShown(int wanted) {
    return [wanted](int shown) { return shown >= wanted; };
}

// Follows the server's events until done(shown windows) holds; false at the deadline.
template <typename Done>
bool follow(Session& s, Watcher& watcher, Clock::time_point deadline, Done done) {
    bool clientsChanged = true;
    for (;;) {
        if (clientsChanged) watcher.refreshClients();
        clientsChanged = false;
        watcher.refreshShown();
        if (done(watcher.shown())) return true;
        if (Clock::now() > deadline) return false;
        // Sleeps until the server tells something (or after a while, to look again anyway).
        pollfd fd{xcb_get_file_descriptor(s.c), POLLIN, 0};
        poll(&fd, 1, 50);
        while (auto* event = xcb_poll_for_event(s.c)) {
            switch (event->response_type & 0x7f) {
            case XCB_PROPERTY_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_property_notify_event_t*>(event);
                if (e->window == s.root && e->atom == s.ewmh._NET_CLIENT_LIST)
                    clientsChanged = true;
                break;
            }
            case XCB_MAP_NOTIFY:
                watcher.mapped(reinterpret_cast<xcb_map_notify_event_t*>(event)->window);
                break;
            case XCB_UNMAP_NOTIFY:
                watcher.unmapped(reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window);
                break;
            case XCB_DESTROY_NOTIFY:
                watcher.destroyed(reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window);
                break;
            default:
                break;
            }
            std::free(event);
        }
    }
}

// The centre of the program's tray icon on the screen: a small window of the program, on show,
// that the window manager does not manage (the tray holds it). Asked level by level of the
// window tree, each level in one batch.
std::optional<std::pair<int, int>> trayIconCentre(Session& s, pid_t pid) {
    std::set<xcb_window_t> managed;
    xcb_ewmh_get_windows_reply_t clients;
    if (xcb_ewmh_get_client_list_reply(&s.ewmh, xcb_ewmh_get_client_list(&s.ewmh, 0), &clients,
                                       nullptr)) {
        managed.insert(clients.windows, clients.windows + clients.windows_len);
        xcb_ewmh_get_windows_reply_wipe(&clients);
    }
    std::vector<xcb_window_t> level{s.root};
    while (!level.empty()) {
        std::vector<xcb_query_tree_cookie_t> trees;
        for (xcb_window_t w : level)
            trees.push_back(xcb_query_tree(s.c, w));
        std::vector<xcb_window_t> next;
        for (auto cookie : trees) {
            auto tree = reply(xcb_query_tree_reply(s.c, cookie, nullptr));
            if (!tree) continue;
            const xcb_window_t* children = xcb_query_tree_children(tree.get());
            next.insert(next.end(), children,
                        children + xcb_query_tree_children_length(tree.get()));
        }
        std::vector<xcb_get_property_cookie_t> pids;
        std::vector<xcb_get_window_attributes_cookie_t> attrs;
        std::vector<xcb_get_geometry_cookie_t> geometries;
        std::vector<xcb_translate_coordinates_cookie_t> places;
        for (xcb_window_t w : next) {
            pids.push_back(xcb_ewmh_get_wm_pid(&s.ewmh, w));
            attrs.push_back(xcb_get_window_attributes(s.c, w));
            geometries.push_back(xcb_get_geometry(s.c, w));
            places.push_back(xcb_translate_coordinates(s.c, w, s.root, 0, 0));
        }
        std::optional<std::pair<int, int>> found;
        for (std::size_t i = 0; i < next.size(); ++i) {
            std::uint32_t windowPid = 0;
            const bool ours = xcb_ewmh_get_wm_pid_reply(&s.ewmh, pids[i], &windowPid, nullptr) &&
                              windowPid == static_cast<std::uint32_t>(pid);
            auto attr = reply(xcb_get_window_attributes_reply(s.c, attrs[i], nullptr));
            auto geometry = reply(xcb_get_geometry_reply(s.c, geometries[i], nullptr));
            auto place = reply(xcb_translate_coordinates_reply(s.c, places[i], nullptr));
            if (found || !ours || managed.count(next[i]) || !attr || !geometry || !place) continue;
            const bool small = geometry->width <= 64 && geometry->height <= 64;
            if (attr->map_state == XCB_MAP_STATE_VIEWABLE && small)
                found = std::make_pair(place->dst_x + geometry->width / 2,
                                       place->dst_y + geometry->height / 2);
        }
        if (found) return found;
        level = std::move(next);
    }
    return std::nullopt;
}

// A press and release of a button at a point of the screen, as the user's would come.
void clickAt(Session& s, std::pair<int, int> point, std::uint8_t button = 1) {
    xcb_test_fake_input(s.c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, s.root,
                        static_cast<std::int16_t>(point.first),
                        static_cast<std::int16_t>(point.second), 0);
    xcb_test_fake_input(s.c, XCB_BUTTON_PRESS, button, XCB_CURRENT_TIME, XCB_WINDOW_NONE, 0, 0, 0);
    xcb_test_fake_input(s.c, XCB_BUTTON_RELEASE, button, XCB_CURRENT_TIME, XCB_WINDOW_NONE, 0, 0,
                        0);
    xcb_flush(s.c);
}

int startAndWait(Session& s, int wanted, std::chrono::milliseconds timeout, char** command) {
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(command[0], command);
        _exit(127);
    }
    Watcher watcher(s.c, s.ewmh, pid);
    if (!follow(s, watcher, start + timeout, allShown(wanted))) {
        std::printf("timeout %d\n", pid);
        return 1;
    }
    std::printf("%.1f %d\n", msSince(start), pid);
    return 0;
}

// The program's tray icon, once all its N windows are on show; none at the timeout.
std::optional<std::pair<int, int>> trayIconOnceShown(Session& s, Watcher& watcher, int wanted,
                                                     std::chrono::milliseconds timeout, pid_t pid) {
    if (!follow(s, watcher, Clock::now() + timeout, allShown(wanted))) {
        std::printf("timeout: not all shown\n");
        return std::nullopt;
    }
    // The tray may take its icon in a moment after the windows are on show.
    auto icon = trayIconCentre(s, pid);
    for (const auto deadline = Clock::now() + timeout; !icon && Clock::now() < deadline;) {
        usleep(50 * 1000);
        icon = trayIconCentre(s, pid);
    }
    if (!icon) std::printf("timeout: no tray icon\n");
    return icon;
}

int restoreAndWait(Session& s, int wanted, std::chrono::milliseconds timeout, pid_t pid) {
    Watcher stickums(s.c, s.ewmh, pid);
    const auto icon = trayIconOnceShown(s, stickums, wanted, timeout, pid);
    if (!icon) return 1;
    Watcher mainWindow(s.c, s.ewmh, pid, true);
    const auto start = Clock::now();
    clickAt(s, *icon, 3);
    if (!follow(s, mainWindow, start + timeout, [](int shown) { return shown > 0; })) {
        std::printf("timeout: no main window\n");
        return 1;
    }
    std::printf("%.1f\n", msSince(start));
    return 0;
}

int switchAndWait(Session& s, int wanted, std::chrono::milliseconds timeout, pid_t pid) {
    Watcher watcher(s.c, s.ewmh, pid);
    const auto none = [](int shown) { return shown == 0; };
    const auto icon = trayIconOnceShown(s, watcher, wanted, timeout, pid);
    if (!icon) return 1;
    auto start = Clock::now();
    clickAt(s, *icon);
    if (!follow(s, watcher, start + timeout, none)) {
        std::printf("timeout: not hidden\n");
        return 1;
    }
    const double hideMs = msSince(start);
    // Well apart, so that the two presses are not taken for a double click.
    usleep(1000 * 1000);
    start = Clock::now();
    clickAt(s, *icon);
    if (!follow(s, watcher, start + timeout, allShown(wanted))) {
        std::printf("timeout: not shown again\n");
        return 1;
    }
    std::printf("%.1f %.1f\n", hideMs, msSince(start));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool switching = argc > 1 && std::strcmp(argv[1], "--switch") == 0;
    const bool restoring = argc > 1 && std::strcmp(argv[1], "--restore") == 0;
    char** args = switching || restoring ? argv + 1 : argv;
    if (argc - (args - argv) < 4) {
        std::fprintf(stderr, "usage: mapwait N TIMEOUT_MS PROGRAM [ARGS...]\n"
                             "       mapwait --switch N TIMEOUT_MS PID\n"
                             "       mapwait --restore N TIMEOUT_MS PID\n");
        return 2;
    }
    const int wanted = std::atoi(args[1]);
    const auto timeout = std::chrono::milliseconds(std::atoi(args[2]));
    Session s;
    s.c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(s.c)) {
        std::fprintf(stderr, "mapwait: no X server\n");
        return 2;
    }
    if (!xcb_ewmh_init_atoms_replies(&s.ewmh, xcb_ewmh_init_atoms(s.c, &s.ewmh), nullptr)) return 2;
    s.root = xcb_setup_roots_iterator(xcb_get_setup(s.c)).data->root;
    const std::uint32_t rootEvents = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(s.c, s.root, XCB_CW_EVENT_MASK, &rootEvents);
    xcb_flush(s.c);

    int status = 0;
    if (switching)
        status = switchAndWait(s, wanted, timeout, std::atoi(args[3]));
    else if (restoring)
        status = restoreAndWait(s, wanted, timeout, std::atoi(args[3]));
    else
        status = startAndWait(s, wanted, timeout, args + 3);
    xcb_ewmh_connection_wipe(&s.ewmh);
    xcb_disconnect(s.c);
    return status;
}
