// The X11 window system against a real X server with a window manager (scripts/xsession.sh).
// The foreign application is a bare xcb window made on a connection of its own, as another
// program would make it: it sets only WM_NAME, like xterm.
#include "foreignapp.h"
#include "platform/windowsystem.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>
#include <xcb/xcb.h>
#include <xcb/xcb_icccm.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr int kWaitMs = 5000;

// A Stickum's frame as far as owning goes: a frameless tool window.
struct StickumFrame : QWidget {
    StickumFrame() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) { resize(120, 80); }
};

class X11Desktop : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            GTEST_SKIP() << "needs an X11 session (scripts/xsession.sh)";
        }
        ASSERT_TRUE(app.ok());
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.windowManagerRuns(); }, kWaitMs))
            << "no window manager on this display";
        windows = createWindowSystem();
        ASSERT_TRUE(windows->pinningAvailable());
        target = managedWindow("Foreign xcb window", QRect(300, 200, 240, 160));
        ASSERT_TRUE(QTest::qWaitFor([&] { return windows->isOnShow(target); }, kWaitMs));
    }

    void TearDown() override {
        if (target != XCB_WINDOW_NONE) app.destroy(target);
    }

    // Another program's window, once the window manager has taken it.
    xcb_window_t managedWindow(const std::string& title, QRect rect,
                               xcb_window_t owner = XCB_WINDOW_NONE) {
        const xcb_window_t window = app.makeWindow(title, rect, owner);
        EXPECT_TRUE(QTest::qWaitFor([&] { return app.isManaged(window); }, kWaitMs))
            << "the window manager did not take " << title;
        return window;
    }

    ForeignApp app;
    std::unique_ptr<WindowSystem> windows;
    xcb_window_t target = XCB_WINDOW_NONE;
};

TEST_F(X11Desktop, AnswersAboutAForeignWindow) {
    EXPECT_TRUE(windows->exists(target));
    EXPECT_TRUE(windows->isOnShow(target));
    EXPECT_EQ(windows->title(target, 63), "Foreign xcb window") << "WM_NAME is enough";
    EXPECT_EQ(windows->title(target, 7), "Foreign");
    EXPECT_EQ(windows->parentOrOwner(target), 0u) << "the frame around it is not its parent";

    EXPECT_FALSE(windows->exists(0));
    EXPECT_FALSE(windows->isOnShow(0));
    EXPECT_EQ(windows->title(0, 63), "");
}

TEST_F(X11Desktop, ListsTheTopLevelWindowsTopmostFirst) {
    const xcb_window_t newer = managedWindow("Newer window", QRect(100, 100, 80, 60));
    // Whether `upper` stands above `lower` in the list, both being in it.
    const auto above = [&](xcb_window_t upper, xcb_window_t lower) {
        const auto list = windows->topLevelWindows();
        const auto u = std::find(list.begin(), list.end(), upper);
        const auto l = std::find(list.begin(), list.end(), lower);
        return u != list.end() && l != list.end() && u < l;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return above(newer, target); }, kWaitMs))
        << "the newest window is mapped on top";
    app.raise(target);
    ASSERT_TRUE(QTest::qWaitFor([&] { return above(target, newer); }, kWaitMs))
        << "the list follows the stacking, not the order of mapping";
    app.destroy(newer);
}

TEST_F(X11Desktop, FindsTheApplicationWindowUnderAPointNotTheFrame) {
    const QRect rect = app.rectOnScreen(target);
    ASSERT_FALSE(rect.isEmpty());
    EXPECT_EQ(windows->windowAt(rect.center()), target);
    // Just above the window is the window manager's title bar: still the same application.
    EXPECT_EQ(windows->windowAt(QPoint(rect.center().x(), rect.top() - 5)), target);
}

TEST_F(X11Desktop, WalksFromADialogBoxToItsOwner) {
    const xcb_window_t dialog = managedWindow("Find", QRect(320, 220, 80, 60), target);
    EXPECT_EQ(windows->parentOrOwner(dialog), target);
    app.destroy(dialog);
}

TEST_F(X11Desktop, OwnsAStickumAndReportsItsTargetHiddenShownAndGone) {
    StickumFrame stickum;
    ASSERT_TRUE(windows->makeOwned(&stickum, target));
    stickum.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&stickum, kWaitMs));
    const auto self = static_cast<xcb_window_t>(stickum.winId());
    EXPECT_EQ(app.transientFor(self), target);
    QWindow* proxy = windows->ownerProxy(target);
    ASSERT_NE(proxy, nullptr);
    EXPECT_EQ(proxy->winId(), target);
    EXPECT_EQ(stickum.windowHandle()->transientParent(), proxy);

    QSignalSpy hidden(windows.get(), &WindowSystem::ownerHidden);
    QSignalSpy shown(windows.get(), &WindowSystem::ownerShown);

    app.minimise(target);
    ASSERT_TRUE(hidden.wait(kWaitMs)) << "no word of the minimised target";
    EXPECT_EQ(hidden.at(0).at(0).value<WindowHandle>(), target);
    EXPECT_FALSE(windows->isOnShow(target));
    EXPECT_TRUE(windows->exists(target));

    app.map(target); // ICCCM: mapping an iconic window restores it
    ASSERT_TRUE(shown.wait(kWaitMs)) << "no word of the restored target";
    EXPECT_EQ(shown.at(0).at(0).value<WindowHandle>(), target);
    EXPECT_TRUE(windows->isOnShow(target));
    QTest::qWait(200);
    EXPECT_EQ(hidden.count(), 1) << "one minimise, one report";
    EXPECT_EQ(shown.count(), 1);

    app.destroy(target);
    ASSERT_TRUE(QTest::qWaitFor([&] { return hidden.count() == 2; }, kWaitMs))
        << "a destroyed target goes out of sight";
    EXPECT_FALSE(windows->exists(target));
    EXPECT_EQ(windows->ownerProxy(target), nullptr);
    EXPECT_EQ(stickum.windowHandle()->transientParent(), proxy) << "the proxy is kept";
    target = XCB_WINDOW_NONE;
}

TEST_F(X11Desktop, AStickumHiddenWhileItsTargetWasMinimisedShowsAgain) {
    StickumFrame stickum;
    ASSERT_TRUE(windows->makeOwned(&stickum, target));
    WindowSystem::showFrame(&stickum);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&stickum, kWaitMs));
    const auto self = static_cast<WindowHandle>(stickum.winId());
    QSignalSpy hidden(windows.get(), &WindowSystem::ownerHidden);
    QSignalSpy shown(windows.get(), &WindowSystem::ownerShown);

    // The window manager minimises the Stickum with its target; the program hides it later
    // (say, as the display is switched off) and shows it once the target is back.
    app.minimise(target);
    ASSERT_TRUE(hidden.wait(kWaitMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return stickum.isMinimized(); }, kWaitMs));
    stickum.hide();
    app.map(target);
    ASSERT_TRUE(shown.wait(kWaitMs));
    WindowSystem::showFrame(&stickum);
    EXPECT_TRUE(QTest::qWaitFor([&] { return windows->isOnShow(self); }, kWaitMs))
        << "the Stickum came back minimised";
}

TEST_F(X11Desktop, WidgetsCreatedBeforePinningAreOwnedAtOnce) {
    StickumFrame stickum;
    stickum.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&stickum, kWaitMs));
    ASSERT_TRUE(windows->makeOwned(&stickum, target));
    const auto self = static_cast<xcb_window_t>(stickum.winId());
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.transientFor(self) == target; }, kWaitMs));
}

TEST_F(X11Desktop, RefusesToPinToAWindowThatIsGone) {
    const xcb_window_t gone = managedWindow("Short-lived", QRect(10, 10, 50, 50));
    app.destroy(gone);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !windows->exists(gone); }, kWaitMs));
    QWindow stickum;
    EXPECT_FALSE(windows->makeOwned(&stickum, gone));
    EXPECT_EQ(stickum.transientParent(), nullptr);
    EXPECT_FALSE(windows->isOnShow(gone));
    EXPECT_EQ(windows->title(gone, 63), "");
}

// Started with -display HOST:N.1 while DISPLAY names screen 0 (the test other_screen_windows),
// Quillbox looks for other programs' windows on the screen Qt works on.
TEST(OtherScreen, OtherProgramsWindowsAreSoughtOnTheScreenQtWorksOn) {
    const QByteArray qtDisplay = qgetenv("QB_QT_DISPLAY");
    if (qtDisplay.isEmpty()) GTEST_SKIP() << "run by the test other_screen_windows";
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(qtDisplay.constData(), &screenNumber);
    ASSERT_EQ(xcb_connection_has_error(c), 0);
    xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screen);
    const xcb_window_t foreign = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, foreign, screen.data->root, 20, 20, 100, 80, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_map_window(c, foreign);
    xcb_flush(c);

    const auto windows = createWindowSystem();
    const auto listed = [&] {
        const auto all = windows->topLevelWindows();
        return std::find(all.begin(), all.end(), foreign) != all.end();
    };
    EXPECT_TRUE(QTest::qWaitFor(listed, kWaitMs)) << "sought on the screen DISPLAY names";
    EXPECT_EQ(windows->windowAt(QPoint(60, 60)), foreign);
    xcb_disconnect(c);
}

} // namespace
