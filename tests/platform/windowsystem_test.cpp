#include "platform/windowsystem.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

// These tests run on Qt's offscreen platform, where no other application's window exists.
TEST(WindowSystemFactory, OffTheX11PlatformNoWindowIsKnownAndNothingOwned) {
    const auto windows = createWindowSystem();
    ASSERT_NE(windows, nullptr);
    QWidget frame;
    EXPECT_FALSE(windows->pinningAvailable());
    EXPECT_TRUE(windows->topLevelWindows().empty());
    EXPECT_EQ(windows->windowAt(QPoint(10, 10)), 0u);
    EXPECT_FALSE(windows->exists(1));
    EXPECT_FALSE(windows->isOnShow(1));
    EXPECT_EQ(windows->title(1, 63), "");
    EXPECT_EQ(windows->parentOrOwner(1), 0u);
    EXPECT_EQ(windows->ownerProxy(1), nullptr);
    EXPECT_FALSE(windows->makeOwned(&frame, 1));
}

} // namespace
