// A Stickum on a real X server with a window manager (run inside scripts/xsession.sh): how the
// window manager takes it, and that it stays above normal windows.
#include "foreignapp.h"
#include "model/postit.h"
#include "stickum/minititlebar.h"
#include "stickum/smallframe.h"
#include "stickum/stickum.h"

#include <QGuiApplication>
#include <QTest>
#include <QThread>
#include <QWidget>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

xcb_connection_t* connection() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(const char* name) {
    xcb_connection_t* c = connection();
    auto* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::string(name).size()), name),
        nullptr);
    const xcb_atom_t a = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return a;
}

// The 32-bit values of a window property (atoms, windows, cardinals).
std::vector<std::uint32_t> property(xcb_window_t window, const char* name) {
    xcb_connection_t* c = connection();
    auto* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
    std::vector<std::uint32_t> values;
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return values;
}

bool holds(const std::vector<std::uint32_t>& values, const char* atomName) {
    return std::find(values.begin(), values.end(), atom(atomName)) != values.end();
}

// Waits until the condition holds, letting the window manager work.
template <typename Condition> bool waitFor(Condition condition) {
    for (int i = 0; i < 100; ++i) {
        if (condition()) return true;
        QTest::qWait(20);
    }
    return condition();
}

class StickumOnX11 : public ::testing::Test {
protected:
    void SetUp() override {
        if (!connection()) GTEST_SKIP() << "not on an X server";
    }
    void TearDown() override { destroyStickum(content); }

    // A Stickum placed, not shown yet.
    void placeAt(QPoint place) {
        content = newStickum(options, session, &note);
        frame = content->frame();
        frame->placeAt(place.x(), place.y());
    }
    // The Stickum shown, once the window manager manages it.
    void showManaged() {
        frame->showStickum();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
        window = static_cast<xcb_window_t>(frame->winId());
        ASSERT_TRUE(waitFor([&] { return outsider.stackingIndex(window) >= 0; }))
            << "the window manager does not manage the Stickum";
    }
    void showManagedAt(QPoint place) {
        placeAt(place);
        showManaged();
    }

    // Moves the window as another client would, and waits for the server to have done it without
    // letting Qt hear of it: Qt's idea of the position is left stale.
    void moveBehindQtsBack(xcb_window_t moved, QPoint to) {
        xcb_connection_t* c = connection();
        const std::uint32_t xy[] = {static_cast<std::uint32_t>(to.x()),
                                    static_cast<std::uint32_t>(to.y())};
        xcb_configure_window(c, moved, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, xy);
        xcb_flush(c);
        for (int i = 0; i < 200 && outsider.rectOnScreen(moved).topLeft() != to; ++i)
            QThread::msleep(10);
    }

    const ForeignApp outsider; // reads what the window manager made of the Stickum
    Options options;
    StickumSession session;
    Note note;
    WPostIt* content = nullptr;
    SmallFrame* frame = nullptr;
    xcb_window_t window = 0;
};

} // namespace

TEST_F(StickumOnX11, MapsUndecoratedOnTopAndOutOfTheTaskBar) {
    placeAt({200, 150});
    content->setContent("On X11");
    ASSERT_NO_FATAL_FAILURE(showManaged());
    EXPECT_TRUE(outsider.hasState(window, "_NET_WM_STATE_ABOVE"));
    EXPECT_TRUE(outsider.hasState(window, "_NET_WM_STATE_SKIP_TASKBAR"));
    EXPECT_TRUE(holds(property(window, "_NET_WM_WINDOW_TYPE"), "_NET_WM_WINDOW_TYPE_UTILITY"));
    // No decoration: the window manager's frame adds nothing around it.
    const auto extents = property(window, "_NET_FRAME_EXTENTS");
    EXPECT_TRUE(extents.empty() || extents == std::vector<std::uint32_t>(4, 0));
    EXPECT_TRUE(waitFor([&] { return frame->frameX() == 200 && frame->frameY() == 150; }))
        << frame->frameX() << "," << frame->frameY();
    EXPECT_EQ(frame->frameGeometry().size(), frame->size());
    // Shown without taking the focus.
    EXPECT_FALSE(frame->isActiveWindow());
}

TEST_F(StickumOnX11, StaysAboveARaisedNormalWindow) {
    ASSERT_NO_FATAL_FAILURE(showManagedAt({100, 100}));
    QWidget normal;
    normal.setWindowTitle(QStringLiteral("Another window"));
    normal.setGeometry(50, 50, 400, 300);
    normal.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&normal));
    normal.raise();
    normal.activateWindow();
    const auto other = static_cast<xcb_window_t>(normal.winId());
    ASSERT_TRUE(waitFor(
        [&] { return outsider.stackingIndex(other) >= 0 && outsider.stackingIndex(window) >= 0; }));
    QTest::qWait(200);
    EXPECT_GT(outsider.stackingIndex(window), outsider.stackingIndex(other));
}

TEST_F(StickumOnX11, PlacingAShownStickumMovesItWhereverQtThinksItIs) {
    ASSERT_NO_FATAL_FAILURE(showManagedAt({200, 150}));
    QTest::qWait(200);
    EXPECT_EQ(outsider.rectOnScreen(window).topLeft(), QPoint(200, 150));
    for (const QPoint to : {QPoint(0, 0), QPoint(320, 240), QPoint(200, 150)}) {
        frame->placeAt(to.x(), to.y());
        EXPECT_TRUE(waitFor([&] { return outsider.rectOnScreen(window).topLeft() == to; }))
            << to.x() << "," << to.y() << " is at " << outsider.rectOnScreen(window).x() << ","
            << outsider.rectOnScreen(window).y();
        EXPECT_EQ(QPoint(frame->frameX(), frame->frameY()), to);
    }
}

TEST_F(StickumOnX11, PositionIsAskedAgainAfterTheWindowWasMovedBehindQtsBack) {
    ASSERT_NO_FATAL_FAILURE(showManagedAt({120, 90}));
    ASSERT_TRUE(waitFor([&] { return frame->frameX() == 120 && frame->frameY() == 90; }));
    moveBehindQtsBack(window, {260, 210});
    EXPECT_TRUE(waitFor([&] {
        return QPoint(frame->frameX(), frame->frameY()) == QPoint(260, 210);
    })) << frame->frameX()
        << "," << frame->frameY();
}

TEST_F(StickumOnX11, RollingThroughTheButtonNeverMovesIt) {
    ASSERT_NO_FATAL_FAILURE(showManagedAt({400, 100}));
    const int unrolled = frame->height();
    QWidget* rollButton = frame->titleBar()->button(MiniTitleBar::RollUp);
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        const QPoint place(380 + 2 * round, 100 + round);
        moveBehindQtsBack(window, place);
        QTest::mouseClick(rollButton, Qt::LeftButton);
        const int height = frame->rolledUp() ? SmallFrame::kTitleHeight : unrolled;
        ASSERT_TRUE(waitFor([&] { return outsider.rectOnScreen(window).height() == height; }));
        EXPECT_EQ(outsider.rectOnScreen(window).topLeft(), place);
        EXPECT_EQ(QPoint(frame->frameX(), frame->frameY()), place);
    }
}

TEST_F(StickumOnX11, PositionsAskedTogetherGoEachToItsOwnStickum) {
    Note second;
    WPostIt* other = newStickum(options, session, &second);
    std::vector<SmallFrame*> frames{newStickum(options, session, &note)->frame(), other->frame()};
    content = frames[0]->content();
    const std::vector<QPoint> places{{310, 220}, {80, 400}};
    for (SmallFrame* each : frames) {
        each->placeAt(10, 10);
        each->showStickum();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(each));
    }
    // Moved by another client, so that only the X server knows where they stand.
    for (std::size_t i = 0; i < frames.size(); ++i)
        moveBehindQtsBack(static_cast<xcb_window_t>(frames[i]->winId()), places[i]);
    EXPECT_TRUE(waitFor([&] {
        SmallFrame::askPositions(frames);
        return QPoint(frames[0]->frameX(), frames[0]->frameY()) == places[0] &&
               QPoint(frames[1]->frameX(), frames[1]->frameY()) == places[1];
    }));
    destroyStickum(other);
}

TEST_F(StickumOnX11, HiddenStickumIsWithdrawn) {
    ASSERT_NO_FATAL_FAILURE(showManagedAt({300, 300}));
    frame->hideStickum();
    EXPECT_TRUE(waitFor([&] { return outsider.stackingIndex(window) < 0; }));
}

TEST_F(StickumOnX11, ShownAgainStaysOutOfTheTaskBarAndOnTopUntilPinned) {
    placeAt({300, 200});
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        ASSERT_NO_FATAL_FAILURE(showManaged());
        EXPECT_TRUE(outsider.hasState(window, "_NET_WM_STATE_SKIP_TASKBAR"));
        EXPECT_TRUE(outsider.hasState(window, "_NET_WM_STATE_SKIP_PAGER"));
        EXPECT_TRUE(outsider.hasState(window, "_NET_WM_STATE_ABOVE"));
        frame->hideStickum();
        ASSERT_TRUE(waitFor([&] { return outsider.stackingIndex(window) < 0; }));
    }

    // Pinned to another window: no longer above everything.
    QWidget target;
    target.setWindowTitle(QStringLiteral("A target"));
    target.setGeometry(40, 40, 300, 200);
    target.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&target));
    frame->setOwnerWindow(target.windowHandle());
    frame->showStickum();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    window = static_cast<xcb_window_t>(frame->winId());
    EXPECT_FALSE(outsider.hasState(window, "_NET_WM_STATE_ABOVE"));
}
