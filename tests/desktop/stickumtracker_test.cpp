// The holder passes against a scripted desktop: which Stickums exist, where they stand, whom they
// belong to and when they are on show.
#include "desktop/stickumtracker.h"
#include "fakemessageboxes.h"
#include "fakewaveplayer.h"
#include "fakewindowsystem.h"
#include "model/catalogue.h"
#include "stickum/stickum.h"
#include "stickum/stickumedit.h"
#include "stickumhands.h"
#include "stickumtrackerpeer.h"
#include "storage/datafile.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

constexpr WindowHandle kEditor = 0x100;
constexpr WindowHandle kBrowser = 0x200;

class TrackerTest : public ::testing::Test {
protected:
    void SetUp() override {
        windows.add({kEditor, "Editor - letter.txt", QRect(100, 100, 400, 300)});
        windows.add({kBrowser, "Browser", QRect(200, 150, 500, 400)});
    }

    Note* addNote(const std::string& text, int x = 120, int y = 90) {
        auto note = std::make_unique<Note>();
        note->setText(text);
        note->setActive(true);
        Note* added = note.get();
        EXPECT_TRUE(holder.addNote(std::move(note)));
        EXPECT_TRUE(tracker.attachNew(added));
        PostItAttr* attr = holder.attrOf(added);
        attr->x = static_cast<std::int16_t>(x);
        attr->y = static_cast<std::int16_t>(y);
        return added;
    }

    Prestito* addLending(DisplayState state, bool sound) {
        auto lending = std::make_unique<Prestito>();
        lending->setText("the ladder");
        lending->setPerson("Hugo");
        lending->setActive(true);
        lending->setSound(sound);
        lending->setDisplayState(state);
        Prestito* added = lending.get();
        EXPECT_TRUE(holder.addLending(std::move(lending)));
        EXPECT_TRUE(tracker.attachNew(added));
        return added;
    }

    SmallFrame* frameOf(const PostIt* record) const {
        WPostIt* content = tracker.stickumOf(record);
        return content ? content->frame() : nullptr;
    }
    bool onShow(const PostIt* record) const {
        SmallFrame* frame = frameOf(record);
        return frame && frame->isVisible();
    }
    // Where its Stickum stands on the screen.
    QPoint standsAt(const PostIt* record) const {
        const SmallFrame* frame = frameOf(record);
        return QPoint(frame->frameX(), frame->frameY());
    }
    QPoint positionOf(const PostIt* record) const {
        const PostItAttr* attr = holder.attrOf(record);
        return QPoint(attr->x, attr->y);
    }

    // A note pinned to the window, then the collapse that pins its Stickum.
    Note* pinnedNote(const std::string& text, WindowHandle target = kEditor) {
        Note* note = addNote(text);
        tracker.setTarget(note, target);
        collapse();
        return note;
    }

    // The collapse, as the main dialog runs it (without the tick).
    void collapse(bool displayOn = true) {
        tracker.showPass(displayOn);
        tracker.rehomePass(displayOn);
        tracker.pinPass(displayOn);
    }

    PostItHolder holder;
    Options options;
    FakeWindowSystem windows;
    FakeMessageBoxes boxes;
    StickumTracker tracker{holder, options, windows, boxes};
};

TEST_F(TrackerTest, ShowAndHidePassesPlaceTakeBackAndKeepTheSameStickum) {
    Note* note = addNote("milk", 120, 90);
    Note* closed = addNote("closed by the user");
    closed->setActive(false);
    Note* hidden = addNote("hidden note");
    hidden->setDisplayState(Hidden);

    tracker.showPass(false);
    EXPECT_EQ(tracker.stickumOf(note), nullptr) << "the display is off";

    tracker.showPass(true);
    EXPECT_FALSE(tracker.suppressed());
    EXPECT_EQ(StickumTrackerTestPeer::attachedCount(tracker), 3);
    ASSERT_TRUE(onShow(note));
    SmallFrame* frame = frameOf(note);
    EXPECT_EQ(standsAt(note), QPoint(120, 90));
    EXPECT_EQ(frame->content()->getContent(), "milk");
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowStaysOnTopHint) << "free Stickums are topmost";
    EXPECT_EQ(frame->parentWidget(), nullptr) << "it stays when the main window hides";
    EXPECT_EQ(holder.attrOf(note)->window, static_cast<StickumView*>(frame));
    EXPECT_EQ(tracker.stickumOf(closed), nullptr);
    EXPECT_EQ(tracker.stickumOf(hidden), nullptr);

    // The window manager puts it elsewhere (a restart, its own placing): it is shown where it is
    // kept again, and kept there.
    frame->move(500, 400);
    tracker.hidePass();
    EXPECT_EQ(positionOf(note), QPoint(120, 90));
    tracker.showPass(true);
    EXPECT_EQ(QPoint(frame->frameX(), frame->frameY()), QPoint(120, 90));

    // The user drags it and types; both are kept.
    userDrags(frame, QPoint(300, 210));
    userTypes(frame->content(), "milk\r\nand bread");
    tracker.hidePass();
    EXPECT_TRUE(tracker.suppressed());
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(positionOf(note), QPoint(300, 210));
    EXPECT_EQ(note->text(), "milk\r\nand bread");

    // The next show keeps the Stickum where it is.
    QPointer<SmallFrame> same(frame);
    tracker.showPass(true);
    EXPECT_EQ(frameOf(note), same.data());
    EXPECT_TRUE(same->isVisible());
    EXPECT_EQ(QPoint(same->frameX(), same->frameY()), QPoint(300, 210));
}

TEST_F(TrackerTest, AReadOnlyStickumLeavesItsRecordAlone) {
    Prestito* lending = addLending(Shown, false);
    const std::string shown = lending->displayText();
    tracker.showPass(true);
    ASSERT_TRUE(onShow(lending));
    tracker.hidePass();
    EXPECT_EQ(lending->text(), "the ladder");
    EXPECT_EQ(lending->displayText(), shown);
}

TEST_F(TrackerTest, StaleStickumsAreRebuiltOnceAtTheNextShowPass) {
    Note* first = addNote("first");
    Note* second = addNote("second");
    Note* off = addNote("off");
    off->setActive(false);
    tracker.showPass(true);
    QPointer<SmallFrame> oldFirst(frameOf(first));
    QPointer<SmallFrame> oldSecond(frameOf(second));
    userDrags(frameOf(first), QPoint(400, 300));
    tracker.hidePass();

    options.stickumColor = rgb(0, 255, 0);
    tracker.markStale();
    tracker.showPass(true);
    EXPECT_FALSE(tracker.stale());
    EXPECT_TRUE(oldFirst.isNull());
    EXPECT_TRUE(oldSecond.isNull());
    ASSERT_TRUE(onShow(first));
    ASSERT_TRUE(onShow(second));
    EXPECT_EQ(standsAt(first), QPoint(400, 300)) << "rebuilt where the last hide pass found it";
    EXPECT_EQ(tracker.stickumOf(off), nullptr);

    QPointer<SmallFrame> rebuilt(frameOf(first));
    tracker.showPass(true);
    EXPECT_EQ(frameOf(first), rebuilt.data()) << "only once";
}

TEST_F(TrackerTest, AlertsWaitForTheDisplayAndTheCollapsedProgram) {
    auto plays = std::make_shared<WavePlays>();
    auto player = fakeWavePlayerFactory(plays)("ding.wav");
    Prestito* loud = addLending(Due, true);
    Prestito* quiet = addLending(Due, false);
    Prestito* disarmed = addLending(Due, true);
    disarmed->setActive(false);

    tracker.alertPass(false, false, player.get());
    tracker.alertPass(true, true, player.get());
    EXPECT_EQ(tracker.stickumOf(loud), nullptr);
    EXPECT_EQ(loud->displayState(), Due) << "held until the display is on and the program away";
    EXPECT_EQ(plays->plays, 0);

    tracker.alertPass(true, false, player.get());
    EXPECT_TRUE(onShow(loud));
    EXPECT_TRUE(onShow(quiet));
    EXPECT_EQ(loud->displayState(), Shown);
    EXPECT_EQ(quiet->displayState(), Shown);
    EXPECT_EQ(plays->plays, 1) << "only the record that asks for the sound";
    EXPECT_EQ(frameOf(loud)->content()->getContent(), loud->displayText());
    EXPECT_TRUE(frameOf(loud)->content()->edit()->isReadOnly());
    EXPECT_EQ(tracker.stickumOf(disarmed), nullptr);
    EXPECT_EQ(disarmed->displayState(), Due);

    // Shown ones stay as they are; one no longer due loses its Stickum.
    tracker.alertPass(true, false, player.get());
    EXPECT_EQ(plays->plays, 1);
    QPointer<SmallFrame> gone(frameOf(quiet));
    quiet->setDisplayState(Hidden);
    tracker.alertPass(true, false, player.get());
    EXPECT_TRUE(gone.isNull());
    EXPECT_EQ(tracker.stickumOf(quiet), nullptr);
    EXPECT_TRUE(onShow(loud));

    // Without a player the alert still comes, silently.
    Prestito* another = addLending(Due, true);
    tracker.alertPass(true, false, nullptr);
    EXPECT_TRUE(onShow(another));
    EXPECT_EQ(plays->plays, 1);
}

TEST_F(TrackerTest, AStickumClosedByTheUserIsShownByNoPass) {
    Note* note = addNote("closed");
    Prestito* lending = addLending(Due, false);
    tracker.showPass(true);
    tracker.alertPass(true, false, nullptr);
    frameOf(note)->close();
    frameOf(lending)->close();
    EXPECT_FALSE(note->active());
    EXPECT_FALSE(lending->active());

    tracker.hidePass();
    tracker.showPass(true);
    tracker.alertPass(true, false, nullptr);
    EXPECT_FALSE(onShow(note));
    EXPECT_FALSE(onShow(lending));
    lending->setDisplayState(Hidden); // disarmed: its check sets it Hidden
    tracker.alertPass(true, false, nullptr);
    EXPECT_FALSE(onShow(lending));
}

TEST_F(TrackerTest, PinnedStickumsFollowTheirTargetAndBecomeFreeWhenItGoes) {
    Note* note = addNote("call back", 150, 160);
    tracker.setTarget(note, kEditor);
    EXPECT_EQ(tracker.targetTitle(note), "Editor - letter.txt");
    collapse();
    ASSERT_EQ(StickumTrackerTestPeer::pinnedTo(tracker, note), kEditor);
    SmallFrame* frame = frameOf(note);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(windows.ownerOf(frame->windowHandle()), kEditor);
    EXPECT_EQ(frame->windowHandle()->transientParent(), windows.ownerProxy(kEditor));
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(frame->pos(), QPoint(150, 160)) << "it stands where the note stood";
    EXPECT_EQ(StickumTrackerTestPeer::aliasCount(tracker), 1);

    QPointer<SmallFrame> pinned(frame);
    collapse();
    EXPECT_EQ(frameOf(note), pinned.data()) << "already on its target: left alone";

    windows.minimise(kEditor);
    EXPECT_FALSE(pinned->isVisible());
    windows.restore(kEditor);
    EXPECT_TRUE(pinned->isVisible());

    // The main window opens: the Stickum is hidden, and stays so when its target comes back.
    tracker.hidePass();
    windows.minimise(kEditor);
    windows.restore(kEditor);
    EXPECT_FALSE(pinned->isVisible());
    collapse();
    EXPECT_TRUE(pinned->isVisible());

    // The target goes: out of sight at once, a free Stickum at the next collapse.
    userDrags(pinned, QPoint(260, 240));
    tracker.hidePass();
    EXPECT_EQ(positionOf(note), QPoint(260, 240));
    collapse();
    windows.destroy(kEditor);
    EXPECT_FALSE(pinned->isVisible());
    EXPECT_EQ(tracker.targetTitle(note), msg::NoWindow);
    collapse();
    EXPECT_TRUE(pinned.isNull());
    EXPECT_EQ(holder.attrOf(note)->target, 0u);
    EXPECT_EQ(StickumTrackerTestPeer::pinnedTo(tracker, note), 0u);
    ASSERT_TRUE(onShow(note));
    EXPECT_EQ(standsAt(note), QPoint(260, 240));
    EXPECT_TRUE(frameOf(note)->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(TrackerTest, TargetGoneWhileTheMainWindowIsOpenRehomesHidden) {
    Note* note = pinnedNote("pinned", kBrowser);
    userTypes(frameOf(note)->content(), "typed into the pinned one");
    windows.minimise(kBrowser);
    tracker.hidePass(); // restore: the target is out of sight
    windows.destroy(kBrowser);
    tracker.rehomePass(false);
    EXPECT_EQ(StickumTrackerTestPeer::pinnedTo(tracker, note), 0u);
    ASSERT_NE(frameOf(note), nullptr);
    EXPECT_FALSE(frameOf(note)->isVisible());
    EXPECT_EQ(note->text(), "typed into the pinned one") << "the typing is not lost";
    EXPECT_EQ(frameOf(note)->content()->getContent(), "typed into the pinned one");
    tracker.showPass(true);
    EXPECT_TRUE(onShow(note));
}

TEST_F(TrackerTest, AMinimisedTargetGetsAStickumThatComesWithIt) {
    Note* note = addNote("later");
    windows.minimise(kEditor);
    tracker.setTarget(note, kEditor);
    collapse();
    ASSERT_EQ(StickumTrackerTestPeer::pinnedTo(tracker, note), kEditor);
    EXPECT_FALSE(onShow(note));
    windows.restore(kEditor);
    EXPECT_TRUE(onShow(note));
}

TEST_F(TrackerTest, WithTheDisplayOffPinnedStickumsWaitForIt) {
    Note* note = addNote("quiet");
    Note* closed = addNote("closed");
    closed->setActive(false);
    tracker.setTarget(note, kEditor);
    tracker.setTarget(closed, kEditor);
    tracker.hidePass();
    collapse(false);
    ASSERT_EQ(StickumTrackerTestPeer::pinnedTo(tracker, note), kEditor);
    EXPECT_FALSE(onShow(note));
    windows.minimise(kEditor);
    windows.restore(kEditor);
    EXPECT_FALSE(onShow(note)) << "the target coming back does not show it";
    tracker.showPass(true); // the display is switched on
    EXPECT_TRUE(onShow(note));
    EXPECT_EQ(StickumTrackerTestPeer::pinnedTo(tracker, closed), kEditor);
    EXPECT_FALSE(onShow(closed));
}

TEST_F(TrackerTest, SwitchedOffWhileItsTargetIsMinimisedAStickumStaysAway) {
    Note* note = pinnedNote("away");
    windows.minimise(kEditor);
    ASSERT_FALSE(onShow(note));
    tracker.hidePass(); // the display is switched off
    windows.restore(kEditor);
    EXPECT_FALSE(onShow(note));
    tracker.showPass(true);
    EXPECT_TRUE(onShow(note));
}

TEST_F(TrackerTest, ANewTargetTakesThePinnedStickumOver) {
    Note* note = pinnedNote("moving");
    tracker.hidePass();
    tracker.setTarget(note, kBrowser);
    EXPECT_EQ(tracker.targetTitle(note), "Browser");
    collapse();
    EXPECT_EQ(StickumTrackerTestPeer::pinnedTo(tracker, note), kBrowser);
    EXPECT_EQ(windows.ownerOf(frameOf(note)->windowHandle()), kBrowser);
    EXPECT_TRUE(onShow(note));
}

TEST_F(TrackerTest, The24thTargetIsRefusedAndItsEntryKeptAsItWas) {
    std::vector<Note*> notes;
    for (int i = 0; i < WindowAliases::kCapacity + 1; ++i) {
        const WindowHandle handle = 0x1000 + static_cast<WindowHandle>(i);
        windows.add({handle, "Window " + std::to_string(i), QRect(10 * i, 10, 100, 100)});
        notes.push_back(addNote("note " + std::to_string(i)));
    }
    tracker.showPass(true);
    for (int i = 0; i < WindowAliases::kCapacity; ++i)
        tracker.setTarget(notes[i], 0x1000 + static_cast<WindowHandle>(i));
    tracker.pinPass(true);
    EXPECT_EQ(StickumTrackerTestPeer::aliasCount(tracker), WindowAliases::kCapacity);
    EXPECT_TRUE(boxes.shown.empty());

    // A second note on a window already known needs no new alias.
    Note* shared = addNote("shares a window");
    tracker.setTarget(shared, 0x1000);
    tracker.pinPass(true);
    EXPECT_EQ(StickumTrackerTestPeer::pinnedTo(tracker, shared), 0x1000u);
    EXPECT_TRUE(boxes.shown.empty());

    Note* last = notes.back();
    QPointer<SmallFrame> free(frameOf(last));
    const WindowHandle extra = 0x1000 + WindowAliases::kCapacity;
    tracker.setTarget(last, extra);
    tracker.pinPass(true);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0],
              (FakeMessageBoxes::Shown{nullptr, QStringLiteral("Not enough space\r\nto attach..."),
                                       QStringLiteral("ERROR"), box::Capacity}));
    EXPECT_EQ(frameOf(last), free.data()) << "keeps its Stickum";
    EXPECT_TRUE(free->isVisible());
    EXPECT_EQ(holder.attrOf(last)->target, extra) << "keeps its target";
    EXPECT_EQ(StickumTrackerTestPeer::aliasCount(tracker), WindowAliases::kCapacity);

    tracker.pinPass(true);
    EXPECT_EQ(boxes.shown.size(), 2u) << "tried again at every collapse";
}

TEST_F(TrackerTest, AliasesAreMadeOnlyForLiveWindowsAndOnlyWherePinningWorks) {
    EXPECT_EQ(tracker.aliasFor(0x999), nullptr);
    EXPECT_EQ(StickumTrackerTestPeer::aliasCount(tracker), 0);
    QWindow* proxy = tracker.aliasFor(kEditor);
    ASSERT_NE(proxy, nullptr);
    EXPECT_EQ(tracker.aliasFor(kEditor), proxy);
    windows.destroy(kEditor);
    EXPECT_EQ(tracker.aliasFor(kEditor), proxy) << "kept for the run";
    EXPECT_EQ(StickumTrackerTestPeer::aliasCount(tracker), 1);

    windows.setPinningAvailable(false);
    Note* note = pinnedNote("nowhere to go", kBrowser);
    EXPECT_EQ(StickumTrackerTestPeer::pinnedTo(tracker, note), 0u);
    EXPECT_TRUE(onShow(note)) << "a free Stickum instead";
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TrackerTest, AttachAndDetachKeepTheCountAndDropTheStickum) {
    Note* note = addNote("to go");
    EXPECT_EQ(StickumTrackerTestPeer::attachedCount(tracker), 1);
    tracker.setTarget(note, kEditor);
    collapse();
    QPointer<SmallFrame> frame(frameOf(note));
    ASSERT_FALSE(frame.isNull());

    EXPECT_TRUE(tracker.detach(note));
    EXPECT_TRUE(frame.isNull());
    EXPECT_EQ(StickumTrackerTestPeer::attachedCount(tracker), 0);
    const PostItAttr* attr = holder.attrAt(0);
    EXPECT_EQ(attr->record, nullptr);
    EXPECT_EQ(attr->window, nullptr);
    EXPECT_EQ(attr->target, 0u);
    EXPECT_EQ(QPoint(attr->x, attr->y), QPoint(30, 30)) << "the next position";
    EXPECT_FALSE(tracker.detach(note)) << "once is enough";
    EXPECT_EQ(StickumTrackerTestPeer::attachedCount(tracker), 0);

    Note stranger;
    EXPECT_FALSE(tracker.attachNew(&stranger));
    EXPECT_FALSE(tracker.setTarget(&stranger, kEditor));
    EXPECT_FALSE(tracker.targetTitle(&stranger).has_value());
    EXPECT_EQ(StickumTrackerTestPeer::attachedCount(tracker), 0);
    collapse(); // a detached entry is passed over
    EXPECT_EQ(holder.attrAt(0)->window, nullptr);
}

TEST_F(TrackerTest, TargetTitlesAreCutAndUnpinnedRecordsHaveNone) {
    Note* note = addNote("titled");
    EXPECT_EQ(tracker.targetTitle(note), msg::NoWindow);
    windows.add({0x300, std::string(100, 'T'), QRect(0, 0, 50, 50)});
    tracker.setTarget(note, 0x300);
    EXPECT_EQ(tracker.targetTitle(note), std::string(StickumTracker::kTitleBytes, 'T'));
}

TEST_F(TrackerTest, ASaveWritesWhereTheUserLeftTheStickumsNotWhereTheyStand) {
    Note* note = addNote("moved", 50, 50);
    tracker.showPass(true);
    frameOf(note)->move(32, 32); // a window manager that places windows itself
    QTemporaryDir dir;
    DataFile file(dir.filePath(QStringLiteral("quillbox.dat")).toStdString());
    ASSERT_TRUE(file.save(holder, options).ok());
    EXPECT_EQ(positionOf(note), QPoint(50, 50));

    userDrags(frameOf(note), QPoint(321, 123));
    ASSERT_TRUE(file.save(holder, options).ok());
    PostItHolder reread;
    const auto questions = OldFileQuestions::answered(false);
    ASSERT_FALSE(file.load(reread, questions).mustExit());
    ASSERT_EQ(reread.noteCount(), 1);
    const PostItAttr* attr = reread.attrOf(reread.note(0));
    ASSERT_NE(attr, nullptr);
    EXPECT_EQ(QPoint(attr->x, attr->y), QPoint(321, 123));
}

TEST_F(TrackerTest, ASaveKeepsWhatWasTypedIntoStickumsThatWentOutOfSight) {
    Note* pinned = addNote("pinned");
    tracker.setTarget(pinned, kEditor);
    Note* closed = addNote("closed");
    collapse();
    userTypes(frameOf(pinned)->content(), "typed, then its window was minimised");
    userTypes(frameOf(closed)->content(), "typed, then closed");
    windows.minimise(kEditor);
    frameOf(closed)->close();
    const QPoint closedAt = positionOf(closed);
    tracker.takeBackShown(); // the save a moment after typing, or the one at logout
    EXPECT_EQ(pinned->text(), "typed, then its window was minimised");
    EXPECT_EQ(closed->text(), "typed, then closed");
    EXPECT_EQ(positionOf(closed), closedAt);
}

TEST_F(TrackerTest, TypingTakenBackOnceDoesNotUndoALaterEditOnTheNotesPage) {
    Note* note = addNote("first");
    tracker.showPass(true);
    userTypes(frameOf(note)->content(), "typed into the Stickum");
    frameOf(note)->close();
    tracker.hidePass(); // the main window opens
    ASSERT_EQ(note->text(), "typed into the Stickum");
    note->setText("edited on the Notes page");
    tracker.showPass(true); // collapsed: the closed Stickum stays as it was
    tracker.takeBackShown();
    tracker.hidePass();
    EXPECT_EQ(note->text(), "edited on the Notes page");
}

TEST_F(TrackerTest, AShowPassWhileCollapsedKeepsWhatIsBeingTyped) {
    Note* note = addNote("first");
    tracker.showPass(true);
    userTypes(frameOf(note)->content(), "typed a moment ago");
    tracker.showPass(true); // a new note from the launcher puts the Stickums up again
    EXPECT_EQ(frameOf(note)->content()->getContent(), "typed a moment ago");
    tracker.takeBackShown();
    EXPECT_EQ(note->text(), "typed a moment ago");
}

TEST_F(TrackerTest, APinnedStickumAwayWithItsTargetComesBackWithTheNoteAsEdited) {
    Note* note = pinnedNote("first");
    windows.minimise(kEditor);
    tracker.hidePass();
    note->setText("edited on the Notes page");
    collapse();
    windows.restore(kEditor);
    ASSERT_TRUE(onShow(note));
    EXPECT_EQ(frameOf(note)->content()->getContent(), "edited on the Notes page");
}

TEST_F(TrackerTest, AStickumOffTheScreensIsShownOnOneAndKeepsItsPlaceUntilMoved) {
    // Two monitors; the note stands on the right-hand one.
    QList<QRect> screens{QRect(0, 0, 1280, 800), QRect(1280, 0, 1280, 800)};
    tracker.places().setScreenAreas([&screens] { return screens; });
    Note* note = addNote("on the right", 2000, 300);
    Note* moved = addNote("moved by the user", 1500, 100);
    tracker.showPass(true);
    EXPECT_EQ(standsAt(note), QPoint(2000, 300));

    // The monitor is unplugged while Quillbox runs.
    screens.removeLast();
    tracker.refitShown();
    const int width = frameOf(note)->width();
    EXPECT_EQ(standsAt(note), QPoint(1280 - width, 300)) << "whole, at the nearest edge";
    userDrags(frameOf(moved), QPoint(200, 200)); // the user puts this one on the screen left
    tracker.takeBackShown();
    EXPECT_EQ(positionOf(note), QPoint(2000, 300)) << "the data file keeps the note's own place";
    EXPECT_EQ(positionOf(moved), QPoint(200, 200));

    // Hidden and shown again on the one screen: still inside it, still its own place.
    tracker.hidePass();
    tracker.showPass(true);
    EXPECT_EQ(standsAt(note), QPoint(1280 - width, 300));
    EXPECT_EQ(positionOf(note), QPoint(2000, 300));

    // The monitor comes back: so does the arrangement.
    screens.append(QRect(1280, 0, 1280, 800));
    tracker.refitShown();
    EXPECT_EQ(standsAt(note), QPoint(2000, 300));
    EXPECT_EQ(standsAt(moved), QPoint(200, 200));
}

TEST_F(TrackerTest, DestroyAllTakesEveryStickumAway) {
    Note* free = addNote("free");
    Note* pinned = pinnedNote("pinned");
    QPointer<SmallFrame> a(frameOf(free));
    QPointer<SmallFrame> b(frameOf(pinned));
    tracker.destroyAll();
    EXPECT_TRUE(a.isNull());
    EXPECT_TRUE(b.isNull());
    EXPECT_EQ(StickumTrackerTestPeer::aliasCount(tracker), 0);
    windows.minimise(kEditor); // nothing left to tell
    windows.restore(kEditor);
}

} // namespace
