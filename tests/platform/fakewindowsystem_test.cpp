#include "fakewindowsystem.h"

#include <QSignalSpy>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

FakeWindow topLevel(WindowHandle handle, QRect rect, std::string title = {}) {
    FakeWindow w;
    w.handle = handle;
    w.rect = rect;
    w.title = std::move(title);
    return w;
}

FakeWindow child(WindowHandle handle, WindowHandle parent, QRect rect) {
    FakeWindow w = topLevel(handle, rect);
    w.parent = parent;
    return w;
}

// Two overlapping application windows; the editor holds a child pane, the dialog box is owned
// by the editor and floats above both.
class FakeDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(desktop.add(topLevel(1, QRect(0, 0, 400, 300), "Editor")));
        ASSERT_TRUE(desktop.add(child(11, 1, QRect(10, 10, 100, 100))));
        ASSERT_TRUE(desktop.add(topLevel(2, QRect(200, 100, 400, 300), "Browser")));
        FakeWindow dialog = topLevel(3, QRect(500, 350, 50, 50), "Find");
        dialog.owner = 1;
        ASSERT_TRUE(desktop.add(dialog));
    }

    FakeWindowSystem desktop;
};

TEST_F(FakeDesktop, ListsTopLevelWindowsTopmostFirstAndFollowsRaising) {
    EXPECT_EQ(desktop.topLevelWindows(), (std::vector<WindowHandle>{3, 2, 1}));
    desktop.raise(1);
    EXPECT_EQ(desktop.topLevelWindows(), (std::vector<WindowHandle>{1, 3, 2}));
    desktop.destroy(1);
    EXPECT_EQ(desktop.topLevelWindows(), (std::vector<WindowHandle>{3, 2}));
    EXPECT_FALSE(desktop.exists(11)) << "children go with their window";
}

TEST_F(FakeDesktop, RefusesHandleZeroDuplicatesAndOrphans) {
    EXPECT_FALSE(desktop.add(topLevel(0, QRect(0, 0, 10, 10))));
    EXPECT_FALSE(desktop.add(topLevel(2, QRect(0, 0, 10, 10))));
    EXPECT_FALSE(desktop.add(child(12, 99, QRect(0, 0, 10, 10))));
}

TEST_F(FakeDesktop, WindowAtFindsTheTopmostWindowOnShowAndItsDeepestChild) {
    EXPECT_EQ(desktop.windowAt(QPoint(250, 150)), 2u) << "the browser lies over the editor";
    EXPECT_EQ(desktop.windowAt(QPoint(50, 50)), 11u) << "the editor's pane, not the editor";
    EXPECT_EQ(desktop.windowAt(QPoint(150, 50)), 1u);
    EXPECT_EQ(desktop.windowAt(QPoint(700, 700)), 0u) << "no window there";

    desktop.minimise(2);
    EXPECT_EQ(desktop.windowAt(QPoint(250, 150)), 1u) << "a minimised window is passed over";
    desktop.setVisible(1, false);
    EXPECT_EQ(desktop.windowAt(QPoint(250, 150)), 0u);
    EXPECT_EQ(desktop.windowAt(QPoint(50, 50)), 0u) << "a hidden window hides its children";
}

TEST_F(FakeDesktop, WalkThroughParentsAndOwnersEndsAtTheOutermostWindow) {
    EXPECT_EQ(desktop.parentOrOwner(11), 1u);
    EXPECT_EQ(desktop.parentOrOwner(3), 1u) << "a dialog box leads to its owner";
    EXPECT_EQ(desktop.parentOrOwner(1), 0u);
    EXPECT_EQ(desktop.parentOrOwner(42), 0u);
}

TEST_F(FakeDesktop, OnShowNeedsTheWindowAndItsAncestorsVisibleAndNotMinimised) {
    EXPECT_TRUE(desktop.isOnShow(11));
    desktop.minimise(1);
    EXPECT_FALSE(desktop.isOnShow(1));
    EXPECT_FALSE(desktop.isOnShow(11));
    desktop.restore(1);
    desktop.setVisible(1, false);
    EXPECT_FALSE(desktop.isOnShow(11));
    EXPECT_FALSE(desktop.isOnShow(42));
}

TEST_F(FakeDesktop, TitlesAreCutWithoutSplittingACharacter) {
    desktop.setTitle(2, "Caf\xC3\xA9 menu"); // "Café menu"
    EXPECT_EQ(desktop.title(2, 4), "Caf");
    EXPECT_EQ(desktop.title(2, 5), "Caf\xC3\xA9");
    EXPECT_EQ(desktop.title(2, 255), "Caf\xC3\xA9 menu");
    EXPECT_EQ(desktop.title(42, 255), "");
}

TEST_F(FakeDesktop, ReportsOnlyTargetsThatOwnAWindowAndOnlyRealChanges) {
    QWindow stickum;
    QSignalSpy hidden(&desktop, &WindowSystem::ownerHidden);
    QSignalSpy shown(&desktop, &WindowSystem::ownerShown);

    desktop.minimise(2);
    desktop.restore(2);
    EXPECT_EQ(hidden.count() + shown.count(), 0) << "nothing owned by the browser yet";

    ASSERT_TRUE(desktop.makeOwned(&stickum, 2));
    EXPECT_EQ(desktop.ownerOf(&stickum), 2u);
    desktop.minimise(2);
    desktop.minimise(2);
    desktop.setVisible(2, false); // hidden while minimised: still the same absence
    ASSERT_EQ(hidden.count(), 1);
    EXPECT_EQ(hidden.at(0).at(0).value<WindowHandle>(), 2u);

    desktop.restore(2);
    EXPECT_EQ(shown.count(), 0) << "restored but still hidden";
    desktop.setVisible(2, true);
    EXPECT_EQ(shown.count(), 1);

    desktop.minimise(1);
    EXPECT_EQ(hidden.count(), 1) << "the editor owns nothing";

    desktop.destroy(2);
    EXPECT_EQ(hidden.count(), 2) << "a destroyed target goes out of sight";
    EXPECT_EQ(desktop.ownerOf(&stickum), 0u);
}

TEST_F(FakeDesktop, MakeOwnedNeedsAnExistingTargetAndPinning) {
    QWindow stickum;
    EXPECT_FALSE(desktop.makeOwned(&stickum, 42));
    EXPECT_FALSE(desktop.makeOwned(static_cast<QWindow*>(nullptr), 1));
    desktop.setPinningAvailable(false);
    EXPECT_FALSE(desktop.makeOwned(&stickum, 1));
    EXPECT_EQ(desktop.ownerOf(&stickum), 0u);
    EXPECT_EQ(desktop.makeOwnedCalls(), 3);
}

TEST_F(FakeDesktop, OwnedWindowsHangUnderOneProxyPerTarget) {
    QWindow first;
    QWindow second;
    QWindow* proxy = desktop.ownerProxy(2);
    ASSERT_NE(proxy, nullptr);
    ASSERT_TRUE(desktop.makeOwned(&first, 2));
    ASSERT_TRUE(desktop.makeOwned(&second, 2));
    EXPECT_EQ(first.transientParent(), proxy);
    EXPECT_EQ(second.transientParent(), proxy);
    EXPECT_NE(desktop.ownerProxy(1), proxy);
    EXPECT_EQ(desktop.ownerProxy(42), nullptr);

    desktop.destroy(2);
    EXPECT_EQ(desktop.ownerProxy(2), nullptr);
    EXPECT_EQ(first.transientParent(), proxy) << "the proxy outlives its target";
}

TEST_F(FakeDesktop, ForgetsAnOwnedWindowWhenItIsDeleted) {
    auto stickum = std::make_unique<QWindow>();
    const QWindow* address = stickum.get();
    ASSERT_TRUE(desktop.makeOwned(stickum.get(), 1));
    stickum.reset();
    EXPECT_EQ(desktop.ownerOf(address), 0u);
}

} // namespace
