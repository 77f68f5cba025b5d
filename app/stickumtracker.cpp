#include "app/stickumtracker.h"

#include "model/catalogue.h"

void StickumTracker::showPass(bool displayOn) {
    if (!displayOn) return;
    suppressed_ = false;
    beginPass();
    // Creating, placing and showing each Stickum arrives with the Stickum window.
    stale_ = false;
}

void StickumTracker::hidePass() {
    suppressed_ = true;
    beginPass();
    // Taking positions and texts back and hiding arrives with the Stickum window.
}

void StickumTracker::alertPass(bool displayOn, bool mainWindowOpen) {
    if (!displayOn || mainWindowOpen) return;
    beginPass();
    // Popping up due records (with their sound) arrives with the Stickum window.
}

void StickumTracker::pinPass() {
    beginPass();
    // Re-creating pinned Stickums on their targets arrives with pinning.
}

void StickumTracker::rehomePass(bool showNew) {
    (void)showNew;
    beginPass();
    // Freeing Stickums whose target has gone arrives with pinning.
}

bool StickumTracker::attachNew(PostIt* record) {
    if (!holder_.attach(std::make_unique<PostItAttr>(), record)) return false;
    ++attachedCount_;
    return true;
}

bool StickumTracker::detach(PostIt* record) {
    PostItAttr* attr = holder_.attrOf(record);
    if (!attr) return false;
    // Destroying the record's Stickum arrives with the Stickum window.
    const PostItAttr fresh;
    attr->x = fresh.x;
    attr->y = fresh.y;
    attr->window = nullptr;
    attr->target = 0;
    attr->record = nullptr;
    --attachedCount_;
    return true;
}

bool StickumTracker::setTarget(PostIt* record, WindowHandle window) {
    PostItAttr* attr = holder_.attrOf(record);
    if (!attr) return false;
    attr->target = window;
    return true;
}

std::optional<std::string> StickumTracker::targetTitle(const PostIt* record) const {
    const PostItAttr* attr = holder_.attrOf(record);
    if (!attr) return std::nullopt;
    // Asking the window system for a live target's title arrives with pinning.
    return std::string(msg::NoWindow);
}
