#pragma once

#include "model/holder.h"

#include <vector>

class MessageBoxes;
class QWindow;
class WindowSystem;

// The stand-ins for other applications' windows that carry pinned Stickums: one per window,
// at most 23 in a run. An alias, once made, stays until the program ends, even when its window
// has gone.
class WindowAliases {
public:
    static constexpr int kCapacity = 23;

    WindowAliases(WindowSystem& windows, MessageBoxes& messages)
        : windows_(windows), messages_(messages) {}

    // The stand-in for the window, made on first asking. None when the table is full (the user
    // is told so), when the window no longer exists, or when windows cannot be pinned to.
    QWindow* aliasFor(WindowHandle window);

    int count() const { return static_cast<int>(aliases_.size()); }
    // Forgets every alias (the stand-ins themselves belong to the window system).
    void clear() { aliases_.clear(); }

private:
    struct Alias {
        WindowHandle window;
        QWindow* proxy;
    };

    WindowSystem& windows_;
    MessageBoxes& messages_;
    std::vector<Alias> aliases_;
};
