#include "platform/nullwindowsystem.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(NullWindowSystem, KnowsNoWindowsAndOwnsNothing) {
    NullWindowSystem none;
    QWidget frame;
    EXPECT_FALSE(none.pinningAvailable());
    EXPECT_TRUE(none.topLevelWindows().empty());
    EXPECT_EQ(none.windowAt(QPoint(10, 10)), 0u);
    EXPECT_FALSE(none.exists(1));
    EXPECT_FALSE(none.isOnShow(1));
    EXPECT_EQ(none.title(1, 63), "");
    EXPECT_EQ(none.parentOrOwner(1), 0u);
    EXPECT_EQ(none.ownerProxy(1), nullptr);
    EXPECT_FALSE(none.makeOwned(&frame, 1));
}

TEST(WindowSystemFactory, OffTheX11PlatformPinningIsUnavailable) {
    // These tests run on Qt's offscreen platform, where no other application's window exists.
    const auto windows = createWindowSystem();
    ASSERT_NE(windows, nullptr);
    EXPECT_FALSE(windows->pinningAvailable());
}

} // namespace
