// Stickums on a real X11 desktop with a window manager (run inside scripts/xsession.sh): pinned
// to another application's window, they go and come with it; free ones stay on top while the
// main window is in the tray.
#include "app/myframe.h"
#include "foreignapp.h"
#include "onenote.h"
#include "stickumtrackerpeer.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

constexpr int kWaitMs = 5000;
constexpr QPoint kNotePosition(240, 180);

class HolderOnX11 : public OneNoteTest {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X11 session (scripts/xsession.sh)";
        ASSERT_TRUE(foreign.ok());
        ASSERT_TRUE(QTest::qWaitFor([&] { return foreign.windowManagerRuns(); }, kWaitMs));
        // One note, so that the program starts in the tray with its Stickum on the desktop.
        start("pinned note", kNotePosition);
        target = foreign.makeWindow("Foreign editor", QRect(400, 250, 300, 200));
        ASSERT_TRUE(QTest::qWaitFor([&] { return foreign.isManaged(target); }, kWaitMs));
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return dialog()->windowSystem().isOnShow(target); }, kWaitMs));
    }

    void TearDown() override {
        app.reset();
        if (target != XCB_WINDOW_NONE) foreign.destroy(target);
    }

    xcb_window_t stickumWindow() const {
        return frame() ? static_cast<xcb_window_t>(frame()->winId()) : xcb_window_t{0};
    }
    bool stickumOnScreen() const { return frame() && foreign.isViewable(stickumWindow()); }
    bool waitForStickum(bool onScreen) {
        return QTest::qWaitFor([&] { return stickumOnScreen() == onScreen; }, kWaitMs);
    }
    bool waitForStickumAtTheNotesPlace() {
        return QTest::qWaitFor(
            [&] { return foreign.rectOnScreen(stickumWindow()).topLeft() == kNotePosition; },
            kWaitMs);
    }

    // The main window opens, the note is pinned to the target, the main window goes again.
    void pinToTarget() {
        dialog()->restore();
        ASSERT_TRUE(dialog()->setTarget(note(), target));
        dialog()->collapse();
        ASSERT_EQ(StickumTrackerTestPeer::pinnedTo(dialog()->tracker(), note()), target);
        ASSERT_TRUE(waitForStickum(true));
    }

    ForeignApp foreign;
    xcb_window_t target = XCB_WINDOW_NONE;
};

// While the main window is hidden; after a restart of the window manager, a collapse still
// shows it at its place.
TEST_F(HolderOnX11, AFreeStickumStaysOnTopAndKeepsItsPlaceWhenTheWindowManagerRestarts) {
    ASSERT_TRUE(waitForStickum(true));
    EXPECT_FALSE(app->frame()->isVisible());
    EXPECT_TRUE(waitForStickumAtTheNotesPlace()) << "at its recorded position";
    EXPECT_TRUE(foreign.hasState(stickumWindow(), "_NET_WM_STATE_ABOVE"));

    // Another application's window comes up over the same place and is raised.
    const xcb_window_t over = foreign.makeWindow("Covering window", QRect(200, 150, 400, 300));
    ASSERT_TRUE(QTest::qWaitFor([&] { return foreign.isManaged(over); }, kWaitMs));
    foreign.raise(over);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const int stickum = foreign.stackingIndex(stickumWindow());
            const int other = foreign.stackingIndex(over);
            return stickum >= 0 && other >= 0 && stickum > other;
        },
        kWaitMs))
        << "the Stickum stays above";
    EXPECT_TRUE(stickumOnScreen());
    foreign.destroy(over);

    ASSERT_TRUE(waitForStickum(true));
    ASSERT_TRUE(waitForStickumAtTheNotesPlace());
    ASSERT_EQ(QProcess::execute(QStringLiteral("openbox"), {QStringLiteral("--restart")}), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return foreign.windowManagerRuns(); }, kWaitMs));
    QTest::qWait(300);
    dialog()->restore();
    dialog()->collapse();
    ASSERT_TRUE(waitForStickum(true));
    const PostItAttr* attr = dialog()->holder().attrOf(note());
    EXPECT_EQ(QPoint(attr->x, attr->y), kNotePosition);
    QTest::qWait(300);
    EXPECT_EQ(foreign.rectOnScreen(stickumWindow()).topLeft(), kNotePosition);
}

TEST_F(HolderOnX11, APinnedStickumGoesAndComesWithItsTarget) {
    pinToTarget();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return foreign.transientFor(stickumWindow()) == target; }, kWaitMs))
        << "WM_TRANSIENT_FOR names the target";

    foreign.minimise(target);
    EXPECT_TRUE(waitForStickum(false)) << "minimising the target takes the Stickum away";
    foreign.map(target); // ICCCM: mapping an iconic window restores it
    EXPECT_TRUE(waitForStickum(true)) << "restoring the target brings it back";

    // With the display off, the target coming back leaves the Stickum hidden until the display is
    // switched on again.
    const auto targetBackWhileOff = [&] {
        foreign.map(target);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return dialog()->windowSystem().isOnShow(target); }, kWaitMs));
        QTest::qWait(300);
        EXPECT_FALSE(stickumOnScreen());
        dialog()->toggleDisplay();
    };
    dialog()->toggleDisplay();
    ASSERT_FALSE(dialog()->displayOn());
    EXPECT_TRUE(waitForStickum(false));
    foreign.minimise(target);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !dialog()->windowSystem().isOnShow(target); }, kWaitMs));
    ASSERT_NO_FATAL_FAILURE(targetBackWhileOff());
    EXPECT_TRUE(waitForStickum(true)) << "switching the display on shows it again";

    // Switched off while the target is minimised: its return does not bring the Stickum.
    foreign.minimise(target);
    ASSERT_TRUE(waitForStickum(false));
    dialog()->toggleDisplay();
    ASSERT_NO_FATAL_FAILURE(targetBackWhileOff());
    EXPECT_TRUE(waitForStickum(true));
}

TEST_F(HolderOnX11, ATargetDestroyedRehomesTheStickumAtTheNextRestore) {
    pinToTarget();
    const xcb_window_t gone = target;
    foreign.destroy(target);
    target = XCB_WINDOW_NONE;
    EXPECT_TRUE(waitForStickum(false)) << "gone with its target";

    dialog()->restore();
    EXPECT_EQ(StickumTrackerTestPeer::pinnedTo(dialog()->tracker(), note()), 0u);
    EXPECT_EQ(dialog()->targetTitle(note()), "<no window>");
    EXPECT_FALSE(stickumOnScreen()) << "re-homed hidden while the main window is open";
    dialog()->collapse();
    EXPECT_TRUE(waitForStickum(true));
    EXPECT_NE(foreign.transientFor(stickumWindow()), gone);
    EXPECT_TRUE(waitForStickumAtTheNotesPlace())
        << "a free Stickum again, where the note last stood";
}

TEST_F(HolderOnX11, ATargetDestroyedRehomesTheStickumAtTheNextCollapse) {
    pinToTarget();
    const xcb_window_t gone = target;
    foreign.destroy(target);
    target = XCB_WINDOW_NONE;
    EXPECT_TRUE(waitForStickum(false));
    dialog()->collapse();
    EXPECT_EQ(StickumTrackerTestPeer::pinnedTo(dialog()->tracker(), note()), 0u);
    EXPECT_TRUE(waitForStickum(true)) << "a free Stickum, shown at once";
    EXPECT_NE(foreign.transientFor(stickumWindow()), gone);
}

TEST_F(HolderOnX11, AWindowThatTakesOverTheIdOfAGoneTargetDoesNotGetItsStickum) {
    // The target's application ends; the X server gives its ids to the next one that starts.
    const xcb_window_t own = std::exchange(target, XCB_WINDOW_NONE);
    auto ending = std::make_unique<ForeignApp>();
    target = ending->makeWindow("Ending editor", QRect(400, 250, 300, 200));
    ASSERT_TRUE(QTest::qWaitFor([&] { return foreign.isManaged(target); }, kWaitMs));
    pinToTarget();
    ending.reset();
    EXPECT_TRUE(waitForStickum(false)) << "gone with its target";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog()->windowSystem().exists(target); }, kWaitMs));
    ForeignApp starting;
    const xcb_window_t taker = starting.makeWindow("Another program", QRect(100, 100, 300, 200));
    if (taker != target) GTEST_SKIP() << "the X server gave the new window another id";
    ASSERT_TRUE(QTest::qWaitFor([&] { return foreign.isManaged(taker); }, kWaitMs));

    dialog()->restore();
    EXPECT_EQ(dialog()->targetTitle(note()), "<no window>");
    dialog()->collapse();
    EXPECT_EQ(StickumTrackerTestPeer::pinnedTo(dialog()->tracker(), note()), 0u);
    EXPECT_TRUE(waitForStickum(true)) << "a free Stickum again";
    EXPECT_NE(foreign.transientFor(stickumWindow()), taker);
    target = own;
}

} // namespace
