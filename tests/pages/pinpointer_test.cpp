// Pin-pointing against a scripted desktop: the window found at a point, the walk to the
// outermost window, the question, and the pointer grab.
#include "fakehost.h"
#include "fakewindowsystem.h"
#include "pages/pinpointer.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <set>

namespace {

// A desktop whose hit test passes over windows that refuse input: the scripted desktop hides a
// disabled window from the hit test and shows it again when it is enabled.
class HidingEnabling : public WindowEnabling {
public:
    explicit HidingEnabling(FakeWindowSystem& windows) : windows_(windows) {}
    bool isEnabled(WindowHandle window) const override { return !disabled.count(window); }
    void setEnabled(WindowHandle window, bool enabled) override {
        ++switches;
        if (enabled)
            disabled.erase(window);
        else
            disabled.insert(window);
        windows_.setVisible(window, enabled);
    }
    std::set<WindowHandle> disabled;
    int switches = 0;

private:
    FakeWindowSystem& windows_;
};

class PinPointerTest : public ::testing::Test {
protected:
    void SetUp() override {
        // An editor at the back, a mail program over its right half with a dialog box it owns,
        // and a button inside that dialog box.
        windows.add({.handle = 10, .title = "Editor", .rect = {0, 0, 400, 300}});
        windows.add({.handle = 20, .title = "Mail", .rect = {200, 0, 400, 300}});
        windows.add({.handle = 30, .title = "Send?", .rect = {250, 50, 100, 80}, .owner = 20});
        windows.add({.handle = 31, .title = "", .rect = {260, 100, 40, 20}, .parent = 30});
    }

    QString asked(std::size_t i = 0) const {
        return i < host.boxes.shown.size() ? host.boxes.shown[i].text : QString();
    }

    FakeWindowSystem windows;
    FakeHost host;
    QWidget grabber;
    PinPointer pin{grabber, host.boxes, windows};
};

QString question(const QString& title) {
    return QStringLiteral("Attach Note to Window\r\n\"%1\"??").arg(title);
}

TEST_F(PinPointerTest, APressOnAnOwnedDialogsButtonOffersTheOwner) {
    host.boxes.answers = {Answer::Yes};
    EXPECT_EQ(pin.outermost(31), 20u);
    EXPECT_EQ(pin.resolve({270, 110}), 20u);
    EXPECT_TRUE(oneBoxShown(host.boxes, question("Mail"), QStringLiteral("Pin-pointing!"),
                            box::PinQuestion));
    EXPECT_EQ(host.boxes.shown.at(0).style.icon, BoxIcon::Information);
}

TEST_F(PinPointerTest, TheWindowOnTopAtThePointIsOffered) {
    host.boxes.answers = {Answer::Yes, Answer::Yes};
    EXPECT_EQ(pin.resolve({100, 100}), 10u);
    EXPECT_EQ(pin.resolve({500, 250}), 20u);
    EXPECT_EQ(asked(0), question("Editor"));
    EXPECT_EQ(asked(1), question("Mail"));
}

TEST_F(PinPointerTest, NoMeansNothingIsFound) {
    host.boxes.answers = {Answer::No};
    EXPECT_EQ(pin.resolve({100, 100}), 0u);
    EXPECT_EQ(host.boxes.shown.size(), 1u);
}

TEST_F(PinPointerTest, NoWindowAtThePointAsksNothing) {
    EXPECT_EQ(pin.resolve({700, 500}), 0u);
    EXPECT_TRUE(host.boxes.shown.empty());
    FakeWindowSystem empty;
    PinPointer onEmpty{grabber, host.boxes, empty};
    EXPECT_EQ(onEmpty.resolve({100, 100}), 0u);
    EXPECT_TRUE(host.boxes.shown.empty());
}

TEST_F(PinPointerTest, ADisabledTopmostWindowIsStillFoundAndDisabledAgain) {
    HidingEnabling enabling(windows);
    pin.setEnabling(&enabling);
    windows.raise(20);
    enabling.setEnabled(20, false);
    enabling.switches = 0;
    ASSERT_EQ(windows.windowAt({500, 250}), 0u); // the desktop's own hit test passes it over
    host.boxes.answers = {Answer::Yes};
    EXPECT_EQ(pin.resolve({500, 250}), 20u);
    EXPECT_EQ(asked(), question("Mail"));
    EXPECT_TRUE(enabling.disabled.count(20));
    EXPECT_EQ(windows.windowAt({500, 250}), 0u);
    EXPECT_EQ(enabling.switches, 2); // enabled for the hit test, disabled again
    // An enabled window is left as it was.
    enabling.switches = 0;
    host.boxes.answers = {Answer::No};
    pin.resolve({100, 100});
    EXPECT_FALSE(enabling.disabled.count(10));
}

TEST_F(PinPointerTest, LongTitlesAreCutForTheQuestionAndTheLabel) {
    const std::string longTitle(100, 'T');
    windows.setTitle(20, longTitle);
    pin.resolve({500, 250});
    EXPECT_EQ(asked(), question(QString(79, u'T')));
    EXPECT_EQ(pin.titleOf(20, 63), QString(63, u'T'));
    // Characters, not bytes, and never half a character.
    windows.setTitle(20, std::string(70, 'a') + "\xC3\xA9\xC3\xA9\xF0\x9F\x93\x8C" +
                             std::string(20, 'b'));
    const QString cut = pin.titleOf(20, 73);
    EXPECT_EQ(cut,
              QString(70, u'a') + QStringLiteral("\u00E9\u00E9") + QChar(0xD83D) + QChar(0xDCCC));
    EXPECT_EQ(firstCharacters(cut, 72), QString(70, u'a') + QStringLiteral("\u00E9\u00E9"));
}

TEST_F(PinPointerTest, AnUntitledWindowIsOfferedWithEmptyQuotes) {
    windows.add({.handle = 40, .title = "", .rect = {0, 400, 100, 100}});
    pin.resolve({10, 410});
    EXPECT_EQ(asked(), QStringLiteral("Attach Note to Window\r\n\"\"??"));
}

TEST_F(PinPointerTest, AnOwnerLoopEndsTheWalk) {
    windows.add({.handle = 50, .title = "Loop A", .rect = {0, 400, 100, 100}, .owner = 51});
    windows.add({.handle = 51, .title = "Loop B", .rect = {500, 400, 100, 100}, .owner = 50});
    const WindowHandle top = pin.outermost(50);
    EXPECT_TRUE(top == 50u || top == 51u);
    pin.resolve({10, 410});
    EXPECT_EQ(host.boxes.shown.size(), 1u);
}

TEST_F(PinPointerTest, StartGrabsThePointerAndStopGivesItBack) {
    grabber.resize(50, 50);
    grabber.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grabber));
    EXPECT_FALSE(pin.waiting());
    pin.start();
    EXPECT_TRUE(pin.waiting());
    EXPECT_EQ(QWidget::mouseGrabber(), &grabber);
    pin.stop();
    EXPECT_FALSE(pin.waiting());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

} // namespace
