// Quillbox started on a Wayland desktop (weston, headless), as the program itself starts: with
// XWayland it runs as an X11 program, its Stickums on top and pinnable to X11 windows; without
// it runs natively with pinning off and says why once. Run by wayland_session.sh.
#include "app/myframe.h"
#include "foreignapp.h"
#include "model/catalogue.h"
#include "onenote.h"
#include "process/platformchoice.h"
#include "stickumtrackerpeer.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kWaitMs = 8000;
PlatformChoice platform = PlatformChoice::AsIs;

constexpr QPoint kKept(400, 300);

class WaylandSession : public OneNoteTest {
protected:
    void startOnWayland() {
        start("a note on Wayland", kKept);
        tellPlatformLimits(platform, boxes);
    }
    // Where the data file keeps the note's Stickum once a change of the user's (a new note) has
    // been saved while it is on show.
    QPoint keptAfterASave() {
        EXPECT_TRUE(dialog()->addNoteFromOutside("another note"));
        PostItHolder saved;
        const auto questions = OldFileQuestions::answered(false);
        DataFile(dir.filePath(QStringLiteral("quillbox.dat")).toStdString()).load(saved, questions);
        const PostItAttr* attr = saved.attrAt(0);
        return attr ? QPoint(attr->x, attr->y) : QPoint();
    }
};

TEST_F(WaylandSession, ThroughXWaylandStickumsAreOnTopAndPinToXClients) {
    if (platform != PlatformChoice::X11) GTEST_SKIP() << "needs XWayland";
    EXPECT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    ForeignApp foreign;
    ASSERT_TRUE(foreign.ok());
    startOnWayland();
    EXPECT_TRUE(boxes.shown.empty()) << "nothing to say";
    ASSERT_TRUE(dialog()->windowSystem().pinningAvailable());
    auto stickum = [&] { return frame() ? static_cast<xcb_window_t>(frame()->winId()) : 0u; };
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return stickum() && foreign.isViewable(stickum()); }, kWaitMs));
    // Asked to stay on top; the window manager says so where it knows how (GNOME's and KDE's
    // do, weston's own knows no "above" state).
    EXPECT_TRUE(frame()->windowFlags() & Qt::WindowStaysOnTopHint);
    if (foreign.wmSupports("_NET_WM_STATE_ABOVE")) {
        EXPECT_TRUE(foreign.hasState(stickum(), "_NET_WM_STATE_ABOVE"));
    }

    // Another X11 program's window; the note is pinned to it.
    const xcb_window_t target = foreign.makeWindow("X11 editor", QRect(300, 200, 400, 300));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return dialog()->windowSystem().isOnShow(target); }, kWaitMs));
    dialog()->restore();
    ASSERT_TRUE(dialog()->setTarget(note(), target));
    dialog()->collapse();
    EXPECT_EQ(StickumTrackerTestPeer::pinnedTo(dialog()->tracker(), note()), target);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return foreign.isViewable(stickum()) && foreign.transientFor(stickum()) == target; },
        kWaitMs));
    EXPECT_EQ(keptAfterASave(), kKept) << "where the compositor put it is not kept";
    app.reset();
    foreign.destroy(target);
}

TEST_F(WaylandSession, WithoutXWaylandPinningIsOffAndSaidOnce) {
    if (platform != PlatformChoice::WithoutPinning) GTEST_SKIP() << "needs Wayland alone";
    EXPECT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    startOnWayland();
    EXPECT_FALSE(dialog()->windowSystem().pinningAvailable());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QString::fromUtf8(msg::NoXWayland));
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame() && frame()->isVisible(); }, kWaitMs))
        << "the Stickums are there all the same";
    EXPECT_EQ(keptAfterASave(), kKept) << "nothing says where windows stand on Wayland";
}

} // namespace

// The platform is chosen as the program chooses it, before the application object is made.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    platform = choosePlatform(platformSetting(argc, argv));
    applyPlatformChoice(platform);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
