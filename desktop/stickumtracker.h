#pragma once

#include "desktop/stickumplaces.h"
#include "desktop/windowaliases.h"
#include "model/holder.h"
#include "model/options.h"
#include "platform/nativewindow.h"
#include "stickum/smallframe.h"

#include <QObject>

#include <functional>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class MessageBoxes;
class QWindow;
class SmallFrame;
class WavePlayer;
class WindowSystem;
class WPostIt;

// Decides for every entry of the record list whether its Stickum exists, where it stands,
// which window owns it and whether it is on show. The main dialog runs the passes when it
// collapses and restores, when the display is switched from the tray, and on every tick.
//
// Free Stickums stand on their own, above every window, so that they stay on the desktop while
// the main window is hidden in the tray; pinned Stickums belong to their target window. Every
// Stickum is destroyed here, at the latest when the tracker goes.
class StickumTracker {
public:
    // Target titles are cut to this many bytes.
    static constexpr std::size_t kTitleBytes = 63;
    // Edited texts are read back with room for this many bytes and a terminator.
    static constexpr std::size_t kTextCapacity = 256;

    StickumTracker(PostItHolder& holder, const Options& options, WindowSystem& windows,
                   MessageBoxes& messages);
    ~StickumTracker();
    StickumTracker(const StickumTracker&) = delete;
    StickumTracker& operator=(const StickumTracker&) = delete;

    // Show pass: creates or shows the Stickum of every active, shown record whose target (if
    // any) is on show; rebuilds each of them once when the look of Stickums changed.
    void showPass(bool displayOn);
    // Hide pass: takes every shown Stickum's text back and hides it.
    void hidePass();
    // Alert pass: pops up the Stickums of due lendings and reminders while collapsed, with the
    // sound where the record asks for it and a player exists; drops those no longer due.
    void alertPass(bool displayOn, bool mainWindowOpen, WavePlayer* player);
    // Pin pass: re-creates the Stickums of pinned records on their target windows. New ones
    // are shown only while the display is on.
    void pinPass(bool displayOn);
    // Re-home pass: Stickums whose target window has gone become free Stickums again, at the
    // record's last recorded position; shown when showNew, else hidden.
    void rehomePass(bool showNew);

    bool attachNew(PostIt* record);
    // Destroys the record's Stickum and resets its attributes; false when it has none.
    bool detach(PostIt* record);
    bool setTarget(PostIt* record, WindowHandle window);
    // The title of the record's target window, or "<no window>" when it has none or the window
    // has gone; nothing when no entry holds the record.
    std::optional<std::string> targetTitle(const PostIt* record) const;
    // The stand-in for another application's window, made on first asking (at most 23).
    QWindow* aliasFor(WindowHandle window) { return aliases_.aliasFor(window); }

    // Takes what the user typed into the Stickums (also into one since closed or hidden with its
    // target) back into the records, leaving them as they are: before a save while collapsed.
    // Asks nothing of the window system. (Where the user drags a Stickum is taken at once.)
    void takeBackShown();
    // A list read afresh takes the place of the one in memory: each Stickum moves over to the
    // entry that continues its record (continues: for each fresh entry, the entry it continues
    // or -1), with its window, place on the screen and pin; the others go.
    void adopt(PostItHolder& fresh, const std::vector<int>& continues);
    // Called a moment after the user moved a Stickum or typed into one.
    void setChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }

    // Destroys every Stickum and forgets the aliases (the program ends).
    void destroyAll();

    // Rebuild every Stickum at the next show pass (the options changed their look).
    void markStale() { stale_ = true; }
    bool stale() const { return stale_; }
    // True after a hide pass, false after a show pass.
    bool suppressed() const;

    // The record's live Stickum, or none.
    WPostIt* stickumOf(const PostIt* record) const;
    // Keeps the Stickums inside the screens; tests give it screens of their own.
    StickumPlaces& places() { return places_; }
    // Screens came, went or changed: the Stickums on show are fitted to them again.
    void refitShown();

private:
    friend struct StickumTrackerTestPeer;

    // The window the record's Stickum is owned by, or 0 for a free one or none.
    WindowHandle pinnedTo(const PostIt* record) const;
    template <typename Visit> void forEachEntry(Visit visit);
    SmallFrame* frameOf(const PostItAttr& attr) const;
    // The target window that owns the Stickum, or 0 for a free one.
    WindowHandle ownerOf(SmallFrame* frame) const;
    // The entry's target still exists: not destroyed since its Stickum was pinned to it, even
    // if another window has the same handle now.
    bool targetExists(const PostItAttr& attr) const;
    bool targetOnShow(const PostItAttr& attr) const;
    // A new free Stickum for the record, placed at the entry's position, hidden.
    SmallFrame* makeFree(PostItAttr& attr, PostIt* record);
    // A new Stickum owned by the target's stand-in, at the entry's position, hidden; none when
    // the window cannot own it.
    SmallFrame* makePinned(PostItAttr& attr, PostIt* record, QWindow* proxy);
    void prepare(SmallFrame* frame, const PostIt* record, bool withColour) const;
    void destroyStickum(PostItAttr& attr);
    void takeBack(PostItAttr& attr, PostIt* record);
    // Asks where every Stickum on show stands, all in one round trip, before a pass looks at
    // them one by one; with AfterAsking::Unmap takes them all off the screen in the same batch
    // (the pass hides each of them in Qt right after).
    void askShownPositions(AfterAsking after = AfterAsking::Nothing);
    // Shows the frame where the entry's kept place can be seen.
    void show(SmallFrame* frame, const PostItAttr& attr);
    // Reports the user's moves and typing in the new Stickum to the change listener.
    void watch(SmallFrame* frame);
    // The user dragged the Stickum: where it stands now is its kept place.
    void userMoved(SmallFrame* frame);
    void ownerChanged(WindowHandle target, bool shown);

    PostItHolder& holder_;
    const Options& options_;
    StickumSession session_;
    WindowSystem& windows_;
    WindowAliases aliases_;
    std::map<SmallFrame*, WindowHandle> pinned_; // Stickums owned by a target window
    std::set<WindowHandle> gone_;                // targets destroyed while they owned one
    int attachedCount_ = 0;
    bool stale_ = false;
    QObject receiver_; // the window system's reports about targets arrive here
    std::function<void()> changed_;
    StickumPlaces places_;
};
