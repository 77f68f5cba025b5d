#pragma once

#include "model/holder.h"

#include <optional>
#include <string>

// Decides for every entry of the record list whether its Stickum exists, where it stands,
// which window owns it and whether it is on show. The main dialog runs the passes when it
// collapses and restores, when the display is switched from the tray, and on every tick.
//
// The Stickum windows themselves are still being built: until they arrive the passes only
// keep the bookkeeping (the entry count, the rebuild request) and leave every entry as it is.
class StickumTracker {
public:
    explicit StickumTracker(PostItHolder& holder) : holder_(holder) {}

    // Show pass: creates or shows the Stickum of every active, shown record.
    void showPass(bool displayOn);
    // Hide pass: takes every shown Stickum's position and text back and hides it.
    void hidePass();
    // Alert pass: pops up the Stickums of due lendings and reminders while collapsed.
    void alertPass(bool displayOn, bool mainWindowOpen);
    // Pin pass: re-creates the Stickums of pinned records on their target windows.
    void pinPass();
    // Re-home pass: Stickums whose target window has gone become free Stickums again.
    void rehomePass(bool showNew);

    bool attachNew(PostIt* record);
    bool detach(PostIt* record);
    bool setTarget(PostIt* record, WindowHandle window);
    std::optional<std::string> targetTitle(const PostIt* record) const;

    // Rebuild every Stickum at the next show pass (the options changed their look).
    void markStale() { stale_ = true; }
    bool stale() const { return stale_; }
    int attachedCount() const { return attachedCount_; }
    // True after a hide pass, false after a show pass.
    bool suppressed() const { return suppressed_; }

private:
    void beginPass() { attachedCount_ = holder_.count(); }

    PostItHolder& holder_;
    int attachedCount_ = 0;
    bool stale_ = false;
    bool suppressed_ = false;
};
