// Two monitors side by side on the virtual X server (RandR monitors), one of them unplugged and
// plugged in again while Quillbox runs (run inside scripts/xsession.sh).
#include "app/myframe.h"
#include "foreignapp.h"
#include "onenote.h"

#include <QApplication>
#include <QCursor>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kWaitMs = 5000;
constexpr QPoint kOnTheRight(1000, 300);

bool xrandr(const QStringList& args) {
    return QProcess::execute(QStringLiteral("xrandr"), args) == 0;
}

// Quillbox in this process, started with one note whose Stickum stands at the place given.
class OneStickum : public OneNoteTest {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X11 session (scripts/xsession.sh)";
        ASSERT_TRUE(foreign.ok());
    }

    QPoint keptPlace() const {
        const PostItAttr* attr = dialog()->holder().attrOf(note());
        return QPoint(attr->x, attr->y);
    }
    // The Stickum's rectangle in the X server's own pixels; empty while it is not on show.
    QRect stickumRect() const {
        if (!frame() || !foreign.isViewable(frame()->winId())) return {};
        return foreign.rectOnScreen(static_cast<xcb_window_t>(frame()->winId()));
    }
    bool stickumAt(QPoint topLeft) const { return stickumRect().topLeft() == topLeft; }

    ForeignApp foreign;
};

// Two monitors side by side, each half of the X screen; sizes in the X server's pixels.
class TwoScreens : public OneStickum {
protected:
    void SetUp() override {
        OneStickum::SetUp();
        if (IsSkipped()) return;
        // (Monitors removed by the test before may still be on their way out.)
        ASSERT_TRUE(
            QTest::qWaitFor([] { return QGuiApplication::screens().size() == 1; }, kWaitMs));
        const QSize pixels = QGuiApplication::primaryScreen()->geometry().size() *
                             QGuiApplication::primaryScreen()->devicePixelRatio();
        half = pixels.width() / 2;
        height = pixels.height();
        const QString size = QStringLiteral("%1/300x%2/200").arg(half).arg(height);
        // The first monitor takes the X screen's one output; the second one has none.
        ASSERT_TRUE(xrandr({"--setmonitor", "Left", size + "+0+0", "screen"}));
        ASSERT_TRUE(plugRight());
        ASSERT_TRUE(QTest::qWaitFor([] { return QGuiApplication::screens().size() == 2; }, kWaitMs))
            << "Qt sees both monitors";
        start("a note", kOnTheRight);
    }

    void TearDown() override {
        app.reset();
        // The desktop as it was for the tests that follow.
        xrandr({"--delmonitor", "Right"});
        xrandr({"--delmonitor", "Left"});
    }

    bool plugRight() {
        return xrandr({"--setmonitor", "Right",
                       QStringLiteral("%1/300x%2/200+%1+0").arg(half).arg(height), "none"});
    }

    int half = 0;
    int height = 0;
};

TEST_F(TwoScreens, AStickumComesOverWhenItsMonitorGoesAndBackWithIt) {
    if (qApp->devicePixelRatio() != 1) GTEST_SKIP() << "places are given at scale 1";
    ASSERT_TRUE(QTest::qWaitFor([&] { return stickumAt(kOnTheRight); }, kWaitMs));

    ASSERT_TRUE(xrandr({"--delmonitor", "Right"}));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QRect r = stickumRect();
            return r.isValid() && r.right() < half && r.y() == kOnTheRight.y();
        },
        kWaitMs))
        << "whole on the monitor that is left";
    ASSERT_TRUE(dialog()->saveNow());
    EXPECT_EQ(keptPlace(), kOnTheRight) << "its own place is kept";

    ASSERT_TRUE(plugRight());
    EXPECT_TRUE(QTest::qWaitFor([&] { return stickumAt(kOnTheRight); }, kWaitMs))
        << "back where it was";

    // The main window opens on the monitor with the pointer.
    QCursor::setPos(kOnTheRight + QPoint(50, 50));
    dialog()->restore();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return app->frame()->isVisible() && app->frame()->geometry().left() >= half; },
        kWaitMs));
}

// Also run at scale 2 (QT_SCALE_FACTOR), where the X server counts in pixels twice as small as
// Qt's.
TEST_F(OneStickum, KeepsItsPlaceAtAnyScale) {
    const qreal ratio = qApp->devicePixelRatio();
    const QPoint place(200, 150);
    start("a note", place);
    EXPECT_TRUE(QTest::qWaitFor([&] { return stickumAt(place * ratio); }, kWaitMs));
    ASSERT_TRUE(dialog()->saveNow());
    EXPECT_EQ(keptPlace(), place);
    dialog()->restore();
    dialog()->collapse();
    EXPECT_TRUE(QTest::qWaitFor([&] { return stickumAt(place * ratio); }, kWaitMs))
        << "shown again where it was, not twice as far";
}

// Also run at scale 2: a Stickum may hang over the screen's edge, its title bar still in reach.
TEST_F(OneStickum, HangingOverTheLeftEdgeKeepsItsPlaceAtAnyScale) {
    const QPoint place(-40, 150);
    start("a note", place);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !stickumRect().isEmpty(); }, kWaitMs));
    ASSERT_TRUE(dialog()->saveNow());
    EXPECT_EQ(keptPlace(), place);
}

// Also run at scale 2: the window under the pointer on the second monitor is found there, not
// at twice the distance from the first monitor's corner.
TEST_F(TwoScreens, PinPointingFindsTheWindowOnTheSecondMonitor) {
    const xcb_window_t other = foreign.makeWindow("Editor", QRect(half + 100, 200, 300, 200));
    ASSERT_TRUE(QTest::qWaitFor([&] { return foreign.isManaged(other); }, kWaitMs));
    // The window manager puts new windows where it likes: onto the second monitor with it.
    QProcess::execute(QStringLiteral("xdotool"),
                      {"windowmove", QString::number(other), QString::number(half + 100), "200"});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return foreign.rectOnScreen(other).left() > half; }, kWaitMs));
    const QScreen* right = QGuiApplication::screenAt(QPoint(half + 1, 1));
    ASSERT_NE(right, nullptr);
    const QPoint origin = right->geometry().topLeft(); // where the X server has it too
    const QPoint centre = foreign.rectOnScreen(other).center();
    const QPoint inQt = origin + ((centre - origin) / right->devicePixelRatio());
    EXPECT_EQ(dialog()->windowSystem().windowAt(inQt), other);
    foreign.destroy(other);
}

} // namespace
