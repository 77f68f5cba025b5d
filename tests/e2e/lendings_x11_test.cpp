// An overdue lending on a real X11 desktop (run inside scripts/xsession.sh): the program starts
// in the tray, the first tick finds the armed lending due, and its Stickum comes up with the
// lending's text. A lending that is not armed stays quiet.
#include "app/myapp.h"
#include "app/mydialog.h"
#include "app/myframe.h"
#include "fakes.h"
#include "model/formats.h"
#include "pages/prestitidialog.h"
#include "pages/wlistwindow.h"
#include "resources/dialog_lendings.h"
#include "stickum/stickum.h"
#include "storage/datafile.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kWaitMs = 5000;

class LendingAlertOnX11 : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X11 session (scripts/xsession.sh)";
    }
    void TearDown() override { app.reset(); }

    // Lent long ago: due whatever today is.
    void addLending(PostItHolder& holder, const char* person, const char* text, bool armed) {
        auto lending = std::make_unique<Prestito>();
        lending->setPerson(person);
        lending->setText(text);
        lending->setDate(makeDate(5, 1, 1998));
        lending->setDaysAfter(30);
        lending->setIOwe(true);
        lending->setActive(armed);
        ASSERT_TRUE(holder.addAttached(std::move(lending)));
    }

    void writeDataFile() {
        PostItHolder holder;
        addLending(holder, "Ann", "book", true);
        addLending(holder, "Bob", "ladder", false);
        ASSERT_TRUE(DataFile(dir.filePath(QStringLiteral("quillbox.dat")).toStdString())
                        .save(holder, Options{})
                        .ok());
    }

    void startProgram() {
        app = quillboxInProcess(dir.path(), boxes);
        ASSERT_FALSE(app->initMainWindow().has_value());
    }

    SmallFrame* stickumOf(const PostIt* record) const {
        WPostIt* content = app->dialog()->tracker().stickumOf(record);
        return content ? content->frame() : nullptr;
    }

    QTemporaryDir dir;
    FakeMessageBoxes boxes;
    std::unique_ptr<MyApp> app;
};

TEST_F(LendingAlertOnX11, AnArmedOverdueLendingPopsUpItsStickumAtStart) {
    writeDataFile();
    startProgram();
    EXPECT_FALSE(app->frame()->isVisible()) << "a data file exists: the program starts collapsed";

    const PostItHolder& holder = app->dialog()->holder();
    const Prestito* armed = holder.lending(0);
    const Prestito* disarmed = holder.lending(1);
    ASSERT_TRUE(armed && disarmed);
    ASSERT_TRUE(QTest::qWaitFor([&] { return stickumOf(armed) != nullptr; }, kWaitMs));
    SmallFrame* frame = stickumOf(armed);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(frame, kWaitMs));
    EXPECT_EQ(armed->displayState(), Shown);
    const std::string expected = formatIOwe(makeDate(5, 1, 1998), "Ann", "book");
    EXPECT_EQ(app->dialog()->tracker().stickumOf(armed)->getContent(1024), expected);

    EXPECT_EQ(stickumOf(disarmed), nullptr);
    EXPECT_EQ(disarmed->displayState(), Hidden);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LendingAlertOnX11, ArmingALendingOnThePageBringsItsAlertAtTheNextCollapse) {
    writeDataFile();
    startProgram();
    MyDialog* dialog = app->dialog();
    const Prestito* disarmed = dialog->holder().lending(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return stickumOf(dialog->holder().lending(0)); }, kWaitMs));
    EXPECT_EQ(stickumOf(disarmed), nullptr);

    dialog->restore();
    ASSERT_TRUE(QTest::qWaitFor([&] { return app->frame()->isVisible(); }, kWaitMs));
    auto* list = dialog->findChild<PrestitiDialog*>()->itemAs<WListWindow>(lendingid::List);
    ASSERT_NE(list, nullptr);
    const int row = list->rowOfItemData(1);
    ASSERT_GE(row, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->stateIconRect(row).center());
    EXPECT_TRUE(disarmed->active());

    dialog->collapse();
    ASSERT_TRUE(QTest::qWaitFor([&] { return stickumOf(disarmed) != nullptr; }, kWaitMs));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(stickumOf(disarmed), kWaitMs));
    EXPECT_EQ(dialog->tracker().stickumOf(disarmed)->getContent(1024),
              formatIOwe(makeDate(5, 1, 1998), "Bob", "ladder"));
}

} // namespace
