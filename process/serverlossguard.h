#pragma once

#include <functional>

// Qt's X11 platform ends the program with exit(1) from inside the event loop when the
// connection to the X server breaks: no signal reaches the program and nothing on the stack
// unwinds, so none of the ordinary ways to the end (the quit question, a stop signal, logout)
// runs, and exit handlers come too late (Qt has begun to tear itself down by then). While a
// ServerLossGuard lives, its work runs once, at the first of: serverLost() (the platform's watch
// on the connection found it broken) or Qt's warning about the broken connection, which comes
// just before the exit. The work must not ask the X server anything, nor the user.
class ServerLossGuard {
public:
    explicit ServerLossGuard(std::function<void()> beforeExit);
    ~ServerLossGuard();
    ServerLossGuard(const ServerLossGuard&) = delete;
    ServerLossGuard& operator=(const ServerLossGuard&) = delete;

    // The connection to the X server was found broken: the work runs now unless it has run.
    void serverLost() const;

private:
    std::function<void()> work_;
};
