// Starts a program and measures the time from exec to the moment N of its windows are on show,
// asking the X server (not the program). Windows titled "Quillbox" (the splash, the main
// window) do not count.
//   mapwait N TIMEOUT_MS PROGRAM [ARGS...]
// Prints "<milliseconds> <pid>" and leaves the program running.
#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Reply<T> reply(T* raw) {
    return Reply<T>(raw, &std::free);
}

int countShown(xcb_connection_t* c, xcb_ewmh_connection_t& ewmh, pid_t pid) {
    xcb_ewmh_get_windows_reply_t clients;
    if (!xcb_ewmh_get_client_list_reply(&ewmh, xcb_ewmh_get_client_list(&ewmh, 0), &clients,
                                        nullptr))
        return 0;
    const std::vector<xcb_window_t> windows(clients.windows, clients.windows + clients.windows_len);
    xcb_ewmh_get_windows_reply_wipe(&clients);

    std::vector<xcb_get_property_cookie_t> pids, names;
    std::vector<xcb_get_window_attributes_cookie_t> attributes;
    for (xcb_window_t w : windows) {
        pids.push_back(xcb_ewmh_get_wm_pid(&ewmh, w));
        names.push_back(xcb_ewmh_get_wm_name(&ewmh, w));
        attributes.push_back(xcb_get_window_attributes(c, w));
    }
    int shown = 0;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        uint32_t windowPid = 0;
        const bool ours = xcb_ewmh_get_wm_pid_reply(&ewmh, pids[i], &windowPid, nullptr) &&
                          windowPid == static_cast<uint32_t>(pid);
        xcb_ewmh_get_utf8_strings_reply_t name;
        bool quillboxTitled = false;
        if (xcb_ewmh_get_wm_name_reply(&ewmh, names[i], &name, nullptr)) {
            quillboxTitled = std::string(name.strings, name.strings_len) == "Quillbox";
            xcb_ewmh_get_utf8_strings_reply_wipe(&name);
        }
        auto attr = reply(xcb_get_window_attributes_reply(c, attributes[i], nullptr));
        if (ours && !quillboxTitled && attr && attr->map_state == XCB_MAP_STATE_VIEWABLE) ++shown;
    }
    return shown;
}

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

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    for (;;) {
        if (countShown(c, ewmh, pid) >= wanted) break;
        if (std::chrono::steady_clock::now() - start > timeout) {
            std::printf("timeout %d\n", pid);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.1f %d\n", ms, pid);
    xcb_ewmh_connection_wipe(&ewmh);
    xcb_disconnect(c);
    return 0;
}
