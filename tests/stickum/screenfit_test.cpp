// Where a window goes when the screens it stood on are gone.
#include "stickum/screenfit.h"

#include <gtest/gtest.h>

namespace {

constexpr int kTitle = 12;
const QRect kLeft(0, 0, 1280, 800);
const QRect kRight(1280, 0, 1920, 1080);

TEST(ScreenFit, AWindowWhoseTitleBarCanBeGrabbedStaysWhereItIs) {
    const QList<QRect> screens{kLeft, kRight};
    for (const QRect window : {QRect(100, 100, 160, 80), QRect(1200, 40, 160, 80),
                               QRect(1250, 700, 160, 300), QRect(-120, 10, 160, 80)})
        EXPECT_EQ(fitIntoScreens(window, screens, kTitle), window) << window.x();
    EXPECT_EQ(fitIntoScreens(QRect(5000, 5000, 160, 80), {}, kTitle), QRect(5000, 5000, 160, 80))
        << "without screens nothing moves";
}

TEST(ScreenFit, AWindowOnNoScreenGoesWholeIntoTheNearestOne) {
    // The right-hand monitor was unplugged.
    EXPECT_EQ(fitIntoScreens(QRect(2000, 300, 160, 80), {kLeft}, kTitle),
              QRect(1120, 300, 160, 80));
    // Above the top edge, title bar and all: the title bar comes back into reach.
    EXPECT_EQ(fitIntoScreens(QRect(300, -40, 160, 80), {kLeft}, kTitle), QRect(300, 0, 160, 80));
    // Below both screens, nearer the right one.
    EXPECT_EQ(fitIntoScreens(QRect(2500, 1500, 160, 80), {kLeft, kRight}, kTitle),
              QRect(2500, 1000, 160, 80));
    // Larger than the screen: its top-left corner, and with it the title bar, inside.
    EXPECT_EQ(fitIntoScreens(QRect(900, 900, 1600, 1000), {kLeft}, kTitle),
              QRect(0, 0, 1600, 1000));
    // Only the last corner of the title bar on show is not enough to grab it by.
    EXPECT_EQ(fitIntoScreens(QRect(1275, 300, 160, 80), {kLeft}, kTitle),
              QRect(1120, 300, 160, 80));
}

} // namespace
