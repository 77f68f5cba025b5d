// The report list of the Lendings page: sorted rows, cells asked of the page, state icons
// that flip on a click without moving the selection.
#include "pages/wlistwindow.h"
#include "resources/dialogs.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int kId = 26319;

class ListTest : public ::testing::Test {
protected:
    void SetUp() override {
        list.resize(360, 160);
        list.setCellText([this](int data, int column) {
            return QStringLiteral("%1:%2").arg(cells[data]).arg(column);
        });
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    void press(QPoint point) { QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, point); }
    void clickIcon(int row) { press(list.stateIconRect(row).center()); }
    // On the row's name, right of its icon.
    void clickRow(int row) {
        const QRect icon = list.stateIconRect(row);
        press(QPoint(icon.right() + 20, icon.center().y()));
    }

    WListWindow list{kId, kNoteShownIcon, kNoteHiddenIcon};
    std::map<int, QString> cells;
};

TEST_F(ListTest, HasTheThreeColumnsAtTheirWidths) {
    ASSERT_EQ(list.columnCount(), 3);
    EXPECT_EQ(list.headerItem()->text(0), QStringLiteral("Name"));
    EXPECT_EQ(list.headerItem()->text(1), QStringLiteral("When"));
    EXPECT_EQ(list.headerItem()->text(2), QStringLiteral("What"));
    EXPECT_EQ(list.columnWidth(0), 100);
    EXPECT_EQ(list.columnWidth(1), 90);
    EXPECT_EQ(list.columnWidth(2), 300);
    EXPECT_EQ(list.controlId(), kId);
}

TEST_F(ListTest, RowsKeepTheirPlaceByTextAndCellsComeFromThePage) {
    EXPECT_EQ(list.insertRow(QStringLiteral("carl"), 1, 7), 0);
    EXPECT_EQ(list.insertRow(QStringLiteral("Ann"), 0, 3), 0);
    EXPECT_EQ(list.insertRow(QStringLiteral("Bob"), 1, 5), 1);
    EXPECT_EQ(list.insertRow(QStringLiteral("Zed"), 1, 9), 3);
    ASSERT_EQ(list.rowCount(), 4);
    EXPECT_EQ(list.rowText(2), QStringLiteral("carl"));
    EXPECT_EQ(list.itemData(0), 3);
    EXPECT_EQ(list.itemData(2), 7);
    EXPECT_EQ(list.stateImage(0), 0);
    EXPECT_EQ(list.stateImage(1), 1);
    EXPECT_EQ(list.rowOfItemData(9), 3);
    EXPECT_EQ(list.rowOfItemData(4), -1);

    cells[5] = QStringLiteral("umbrella");
    EXPECT_EQ(list.cellText(1, 0), QStringLiteral("Bob"));
    EXPECT_EQ(list.cellText(1, 2), QStringLiteral("umbrella:2"));
    cells[5] = QStringLiteral("ladder"); // asked again whenever shown, never kept
    EXPECT_EQ(list.cellText(1, 1), QStringLiteral("ladder:1"));

    list.deleteRow(1);
    EXPECT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.rowText(1), QStringLiteral("carl"));
    list.deleteAllRows();
    EXPECT_EQ(list.rowCount(), 0);
}

TEST_F(ListTest, AClickOnTheIconFlipsItWithoutMovingTheSelection) {
    list.insertRow(QStringLiteral("Ann"), 1, 0);
    list.insertRow(QStringLiteral("Bob"), 0, 1);
    QSignalSpy clicked(&list, &WListWindow::iconClicked);
    QSignalSpy selected(&list, &WListWindow::rowSelected);

    clickRow(0);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 0);
    EXPECT_EQ(list.selectedRow(), 0);

    clickIcon(1);
    EXPECT_EQ(list.stateImage(1), 1);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 1);
    EXPECT_EQ(list.lastClickedRow(), 1);
    EXPECT_EQ(list.selectedRow(), 0);
    EXPECT_EQ(selected.count(), 1);

    clickIcon(0);
    clickIcon(0);
    EXPECT_EQ(list.stateImage(0), 1);
    EXPECT_EQ(clicked.count(), 3);
    EXPECT_EQ(clicked.at(2).at(0).toInt(), 0);
    EXPECT_EQ(list.lastClickedRow(), 0);
    EXPECT_EQ(list.selectedRow(), 0);
}

TEST_F(ListTest, APressBelowTheRowsChangesNothing) {
    list.insertRow(QStringLiteral("Ann"), 0, 0);
    list.insertRow(QStringLiteral("Bob"), 0, 1);
    clickRow(1);
    QSignalSpy clicked(&list, &WListWindow::iconClicked);
    const QRect last = list.visualItemRect(list.topLevelItem(1));
    press(QPoint(list.stateIconRect(1).center().x(), last.bottom() + 30));
    EXPECT_EQ(list.selectedRow(), 1);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(list.stateImage(1), 0);
}

TEST_F(ListTest, TakingTheSelectionAwayIsNoNewSelection) {
    list.insertRow(QStringLiteral("Ann"), 0, 0);
    clickRow(0);
    QSignalSpy selected(&list, &WListWindow::rowSelected);
    list.deselectRow(0);
    EXPECT_EQ(list.selectedRow(), -1);
    EXPECT_EQ(selected.count(), 0);
    list.selectRow(0);
    EXPECT_EQ(list.selectedRow(), 0);
    EXPECT_EQ(selected.count(), 1);
}

TEST_F(ListTest, DeletingTheSelectedRowSelectsNoOther) {
    list.insertRow(QStringLiteral("Ann"), 0, 0);
    list.insertRow(QStringLiteral("Bob"), 0, 1);
    list.insertRow(QStringLiteral("Cid"), 0, 2);
    clickRow(1);
    QSignalSpy selected(&list, &WListWindow::rowSelected);
    list.deleteRow(1);
    EXPECT_EQ(list.selectedRow(), -1);
    EXPECT_EQ(selected.count(), 0);
    clickRow(0);
    list.deleteRow(1);
    EXPECT_EQ(list.selectedRow(), 0);
}

TEST_F(ListTest, TheLastClickedRowFollowsDeletions) {
    list.insertRow(QStringLiteral("Ann"), 0, 0);
    list.insertRow(QStringLiteral("Bob"), 0, 1);
    list.insertRow(QStringLiteral("Cid"), 0, 2);
    clickIcon(2);
    list.deleteRow(0);
    EXPECT_EQ(list.lastClickedRow(), 1);
    list.deleteRow(1);
    EXPECT_EQ(list.lastClickedRow(), -1);
}

} // namespace
