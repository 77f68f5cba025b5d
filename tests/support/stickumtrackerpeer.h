#pragma once

#include "desktop/stickumtracker.h"

// Reads what the tracker keeps to itself.
struct StickumTrackerTestPeer {
    static int attachedCount(const StickumTracker& tracker) { return tracker.attachedCount_; }
    static int aliasCount(const StickumTracker& tracker) { return tracker.aliases_.count(); }
    static WindowHandle pinnedTo(const StickumTracker& tracker, const PostIt* record) {
        return tracker.pinnedTo(record);
    }
};
