#include "desktop/stickumtracker.h"

#include "look/l10n.h"
#include "model/catalogue.h"
#include "platform/waveplayer.h"
#include "platform/windowsystem.h"
#include "stickum/stickum.h"
#include "stickum/stickumedit.h"

#include <QTextDocument>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

std::int16_t toCoordinate(int value) {
    return static_cast<std::int16_t>(std::clamp<int>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

} // namespace

StickumTracker::StickumTracker(PostItHolder& holder, const Options& options, WindowSystem& windows,
                               MessageBoxes& messages)
    : holder_(holder), options_(options), windows_(windows), aliases_(windows, messages),
      places_([this] { refitShown(); }) {
    QObject::connect(&windows_, &WindowSystem::ownerHidden, &receiver_,
                     [this](WindowHandle target) { ownerChanged(target, false); });
    QObject::connect(&windows_, &WindowSystem::ownerShown, &receiver_,
                     [this](WindowHandle target) { ownerChanged(target, true); });
    QObject::connect(&windows_, &WindowSystem::ownerGone, &receiver_,
                     [this](WindowHandle target) { gone_.insert(target); });
}

StickumTracker::~StickumTracker() {
    destroyAll();
}

// Visits the entries from first to last that have attributes tied to a record, after taking
// the entry count afresh.
template <typename Visit> void StickumTracker::forEachEntry(Visit visit) {
    attachedCount_ = holder_.count();
    for (int i = 0; i < holder_.count(); ++i) {
        PostItAttr* attr = holder_.attrAt(i);
        if (attr && attr->record) visit(*attr, attr->record);
    }
}

void StickumTracker::showPass(bool displayOn) {
    if (!displayOn) return;
    setStickumsSuppressed(false);
    // Where those on show stand, all in one round trip: each is moved only when it must be.
    askShownPositions();
    forEachEntry([this](PostItAttr& attr, PostIt* record) {
        if (!record->active() || record->displayState() != Shown) return;
        SmallFrame* frame = frameOf(attr);
        // The Stickum is made afresh from its note: what was just typed into it goes there first.
        if (frame) takeBack(attr, record);
        if (attr.target != 0 && !targetOnShow(attr)) {
            // It comes back with its target later, showing the note as it is now.
            if (frame) prepare(frame, record, true);
            return;
        }
        if (stale_) destroyStickum(attr);
        frame = frameOf(attr);
        if (!frame) frame = makeFree(attr, record);
        prepare(frame, record, true);
        show(frame, attr);
    });
    stale_ = false;
}

void StickumTracker::hidePass() {
    setStickumsSuppressed(true);
    // All off the screen at once; the rest is bookkeeping.
    askShownPositions(AfterAsking::Unmap);
    forEachEntry([this](PostItAttr& attr, PostIt* record) {
        SmallFrame* frame = frameOf(attr);
        if (!frame || record->displayState() != Shown) return;
        if (attr.target != 0 && !targetOnShow(attr)) {
            // Gone with its target: what the user typed into it is kept, also for the free
            // Stickum that replaces it if the target is gone.
            takeBack(attr, record);
            // The window manager may not have let us know yet and would bring it back with the
            // target; taken out of its hands, it comes back only when we let it.
            frame->ownerHidden();
            return;
        }
        takeBack(attr, record);
        frame->hideStickum();
    });
}

void StickumTracker::alertPass(bool displayOn, bool mainWindowOpen, WavePlayer* player) {
    if (!displayOn || mainWindowOpen) return;
    forEachEntry([this, player](PostItAttr& attr, PostIt* record) {
        if (!record->active()) return;
        SmallFrame* frame = frameOf(attr);
        if (record->displayState() == Due) {
            record->setDisplayState(Shown);
            if (!frame) {
                if (record->sound() && player) player->play();
                frame = makeFree(attr, record);
                prepare(frame, record, false);
            }
            show(frame, attr);
        } else if (record->displayState() == Hidden && frame) {
            frame->hideStickum();
            destroyStickum(attr);
        }
    });
}

void StickumTracker::pinPass(bool displayOn) {
    forEachEntry([this, displayOn](PostItAttr& attr, PostIt* record) {
        if (attr.target == 0) return;
        // Already on this very target. (A Stickum pinned to a window the user has since
        // replaced by another one moves over to the new one.)
        if (SmallFrame* old = frameOf(attr); old && ownerOf(old) == attr.target) return;
        QWindow* proxy = aliases_.aliasFor(attr.target);
        if (!proxy) return;
        SmallFrame* frame = makePinned(attr, record, proxy);
        if (!frame) return;
        prepare(frame, record, true);
        if (displayOn && record->active()) {
            show(frame, attr);
            // Minimised: it comes with its target when that is restored.
            if (!targetOnShow(attr)) frame->ownerHidden();
        }
        destroyStickum(attr);
        attr.window = frame;
        pinned_[frame] = attr.target;
    });
}

void StickumTracker::rehomePass(bool showNew) {
    forEachEntry([this, showNew](PostItAttr& attr, PostIt* record) {
        if (attr.target == 0 || targetExists(attr)) return;
        destroyStickum(attr);
        SmallFrame* frame = makeFree(attr, record);
        prepare(frame, record, true);
        attr.target = 0;
        if (showNew && record->active())
            show(frame, attr);
        else
            frame->hideStickum();
    });
}

bool StickumTracker::attachNew(PostIt* record) {
    if (!holder_.attach(std::make_unique<PostItAttr>(), record)) return false;
    ++attachedCount_;
    return true;
}

bool StickumTracker::detach(PostIt* record) {
    PostItAttr* attr = holder_.attrOf(record);
    // Detached already: the count is not taken down twice.
    if (!attr || !attr->record) return false;
    destroyStickum(*attr);
    const PostItAttr fresh;
    attr->x = fresh.x;
    attr->y = fresh.y;
    attr->target = 0;
    attr->record = nullptr;
    --attachedCount_;
    return true;
}

bool StickumTracker::setTarget(PostIt* record, WindowHandle window) {
    PostItAttr* attr = holder_.attrOf(record);
    if (!attr) return false;
    attr->target = window;
    // Chosen now: a live window, whichever window had its handle before.
    gone_.erase(window);
    return true;
}

std::optional<std::string> StickumTracker::targetTitle(const PostIt* record) const {
    const PostItAttr* attr = holder_.attrOf(record);
    if (!attr) return std::nullopt;
    if (attr->target != 0 && targetExists(*attr)) return windows_.title(attr->target, kTitleBytes);
    return l10n::text(msg::NoWindow).toStdString();
}

void StickumTracker::destroyAll() {
    for (int i = 0; i < holder_.count(); ++i) {
        if (PostItAttr* attr = holder_.attrAt(i)) destroyStickum(*attr);
    }
    pinned_.clear();
    aliases_.clear();
}

bool StickumTracker::suppressed() const {
    return stickumsSuppressed();
}

WPostIt* StickumTracker::stickumOf(const PostIt* record) const {
    const PostItAttr* attr = holder_.attrOf(record);
    SmallFrame* frame = attr ? frameOf(*attr) : nullptr;
    return frame ? frame->content() : nullptr;
}

WindowHandle StickumTracker::pinnedTo(const PostIt* record) const {
    const PostItAttr* attr = holder_.attrOf(record);
    return attr ? ownerOf(frameOf(*attr)) : 0;
}

WindowHandle StickumTracker::ownerOf(SmallFrame* frame) const {
    const auto it = pinned_.find(frame);
    return it == pinned_.end() ? 0 : it->second;
}

SmallFrame* StickumTracker::frameOf(const PostItAttr& attr) const {
    return dynamic_cast<SmallFrame*>(attr.window);
}

bool StickumTracker::targetExists(const PostItAttr& attr) const {
    return gone_.count(attr.target) == 0 && windows_.exists(attr.target);
}

bool StickumTracker::targetOnShow(const PostItAttr& attr) const {
    return gone_.count(attr.target) == 0 && windows_.isOnShow(attr.target);
}

SmallFrame* StickumTracker::makeFree(PostItAttr& attr, PostIt* record) {
    SmallFrame* frame = newStickum(options_, record)->frame();
    frame->placeAt(attr.x, attr.y);
    attr.window = frame;
    watch(frame);
    return frame;
}

void StickumTracker::watch(SmallFrame* frame) {
    QObject::connect(frame, &SmallFrame::movedByUser, frame, [this, frame] { userMoved(frame); });
    QObject::connect(frame->content()->edit(), &QTextEdit::textChanged, frame, [this, frame] {
        if (changed_ && frame->content()->edit()->document()->isModified()) changed_();
    });
}

void StickumTracker::userMoved(SmallFrame* frame) {
    const std::optional<QPoint> place = places_.draggedTo(frame);
    if (!place) return;
    forEachEntry([this, frame, place](PostItAttr& attr, PostIt*) {
        if (frameOf(attr) != frame) return;
        attr.x = toCoordinate(place->x());
        attr.y = toCoordinate(place->y());
    });
    if (changed_) changed_();
}

void StickumTracker::askShownPositions(AfterAsking after) {
    std::vector<SmallFrame*> frames;
    forEachEntry([this, &frames](PostItAttr& attr, PostIt* record) {
        SmallFrame* frame = frameOf(attr);
        if (frame && record->displayState() == Shown && frame->isVisible()) frames.push_back(frame);
    });
    SmallFrame::askPositions(frames, after);
}

void StickumTracker::takeBackShown() {
    forEachEntry([this](PostItAttr& attr, PostIt* record) {
        // A Stickum typed into and then closed, or gone with its target, keeps its text.
        if (frameOf(attr) && record->displayState() == Shown) takeBack(attr, record);
    });
}

void StickumTracker::adopt(PostItHolder& fresh, const std::vector<int>& continues) {
    for (int i = 0; i < fresh.count(); ++i) {
        const int from = continues[static_cast<std::size_t>(i)];
        PostItAttr* now = fresh.attrAt(i);
        PostItAttr* before = from >= 0 ? holder_.attrAt(from) : nullptr;
        if (!now || !before) continue;
        now->target = before->target;
        SmallFrame* frame = frameOf(*before);
        PostIt* record = fresh.recordAt(i);
        // A note switched off elsewhere loses its Stickum, as one closed here does.
        if (!frame || (record->kind() == KindNote && !record->active())) continue;
        now->window = before->window;
        before->window = nullptr;
        frame->setRecord(record);
        // Whether a lending or reminder is due is this desktop's business: its Stickum stays.
        if (record->kind() != KindNote && before->record)
            record->setDisplayState(before->record->displayState());
    }
    for (int i = 0; i < holder_.count(); ++i) {
        if (PostItAttr* attr = holder_.attrAt(i)) destroyStickum(*attr);
    }
    holder_.swapWith(fresh);
    attachedCount_ = holder_.count();
}

SmallFrame* StickumTracker::makePinned(PostItAttr& attr, PostIt* record, QWindow* proxy) {
    WPostIt* content = newStickum(options_, record);
    SmallFrame* frame = content->frame();
    frame->setOwnerWindow(proxy);
    if (!windows_.makeOwned(frame, attr.target)) {
        ::destroyStickum(content);
        return nullptr;
    }
    // It stands where the note stood, in front of its target but no longer above everything.
    frame->move(attr.x, attr.y);
    watch(frame);
    return frame;
}

void StickumTracker::prepare(SmallFrame* frame, const PostIt* record, bool withColour) const {
    WPostIt* content = frame->content();
    content->setShownContent(l10n::displayText(*record));
    content->setEditable(record->editable());
    if (withColour) content->setBackgroundColor(options_.stickumColor);
}

void StickumTracker::destroyStickum(PostItAttr& attr) {
    SmallFrame* frame = frameOf(attr);
    attr.window = nullptr;
    if (!frame) return;
    pinned_.erase(frame);
    ::destroyStickum(frame->content());
}

void StickumTracker::takeBack(PostItAttr& attr, PostIt* record) {
    SmallFrame* frame = frameOf(attr);
    // Only what the user changed is taken back: an untouched text keeps its bytes (old files
    // hold texts in another encoding that would otherwise be rewritten). Taken once: a later
    // change of the record elsewhere (the Notes page) is not undone by the next pass.
    QTextDocument* document = frame->content()->edit()->document();
    if (record->editable() && document->isModified()) {
        record->setText(frame->content()->getContent(kTextCapacity));
        document->setModified(false);
    }
}

void StickumTracker::show(SmallFrame* frame, const PostItAttr& attr) {
    places_.fit(frame, QPoint(attr.x, attr.y));
    WindowSystem::showFrame(frame); // a pinned one may have been minimised with its target
    frame->showStickum();
}

void StickumTracker::refitShown() {
    askShownPositions();
    forEachEntry([this](PostItAttr& attr, PostIt*) {
        SmallFrame* frame = frameOf(attr);
        if (frame && frame->onScreen()) places_.fit(frame, QPoint(attr.x, attr.y));
    });
}

void StickumTracker::ownerChanged(WindowHandle target, bool shown) {
    for (const auto& [frame, owner] : pinned_) {
        if (owner != target) continue;
        if (shown)
            frame->ownerShown();
        else
            frame->ownerHidden();
    }
}
