// The note list: sorted and unsorted rows with their numbers, what a press does where, and how
// a row is drawn.
#include "pages/iconlist.h"

#include "iconlistpeer.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

class IconListTest : public ::testing::Test {
protected:
    void SetUp() override {
        list = std::make_unique<IconList>();
        list->resize(300, 6 * list->rowHeight() + 4);
        list->setActiveSource([this](int number) { return active.count(number) > 0; });
        list->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list.get()));
    }

    void fill(int rows) {
        for (int i = 0; i < rows; ++i)
            list->addRow(QStringLiteral("note %1").arg(i, 2, 10, QLatin1Char('0')), i);
        QCoreApplication::processEvents();
    }
    // A point on the row, in the icon column or on its title.
    QPoint onIcon(int visibleRow) const {
        return {5, visibleRow * list->rowHeight() + list->rowHeight() / 2};
    }
    QPoint onTitle(int visibleRow) const {
        return {60, visibleRow * list->rowHeight() + list->rowHeight() / 2};
    }
    void press(QPoint at) { QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at); }

    std::unique_ptr<IconList> list;
    std::set<int> active;
};

QStringList titles(const IconList& list) {
    QStringList out;
    for (int row = 0; row < list.count(); ++row)
        out << IconListTestPeer::rowTitle(list, row);
    return out;
}

TEST_F(IconListTest, AddedRowsFallInAlphabeticalPlaceWhateverTheirCase) {
    EXPECT_EQ(list->addRow(QStringLiteral("banana"), 0), 0);
    EXPECT_EQ(list->addRow(QStringLiteral("Cherry"), 1), 1);
    EXPECT_EQ(list->addRow(QStringLiteral("apple"), 2), 0);
    EXPECT_EQ(list->addRow(QStringLiteral("BANANA split"), 3), 2);
    EXPECT_EQ(list->addRow(QString(), 4), 0);
    EXPECT_EQ(titles(*list), (QStringList{"", "apple", "banana", "BANANA split", "Cherry"}));
    EXPECT_EQ(list->rowNumber(0), 4);
    EXPECT_EQ(list->rowNumber(1), 2);
    EXPECT_EQ(list->rowNumber(4), 1);
    EXPECT_EQ(list->rowNumber(5), -1);
    EXPECT_EQ(list->rowWithNumber(3), 3);
    EXPECT_EQ(list->rowWithNumber(9), -1);
}

TEST_F(IconListTest, InsertedRowsStayWhereTheyArePut) {
    list->addRow(QStringLiteral("a"), 0);
    list->addRow(QStringLiteral("b"), 1);
    EXPECT_EQ(list->insertRowAt(0, QStringLiteral("zz"), 7), 0);
    EXPECT_EQ(list->insertRowAt(3, QStringLiteral("aa"), 8), 3);
    EXPECT_EQ(list->insertRowAt(5, QStringLiteral("past"), 9), -1);
    EXPECT_EQ(list->insertRowAt(-1, QStringLiteral("before"), 9), -1);
    EXPECT_EQ(titles(*list), (QStringList{"zz", "a", "b", "aa"}));
    EXPECT_EQ(list->rowNumber(0), 7);
    EXPECT_TRUE(list->removeRowAt(1));
    EXPECT_FALSE(list->removeRowAt(3));
    EXPECT_EQ(titles(*list), (QStringList{"zz", "b", "aa"}));
}

TEST_F(IconListTest, RowsAreAsHighAsACheckMarkAndTwoPixelsButFitTheirText) {
    const int checkMark =
        list->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, list.get());
    EXPECT_GE(list->rowHeight(), checkMark + 2);
    EXPECT_GE(list->rowHeight(), list->fontMetrics().height());
    fill(3);
    EXPECT_EQ(list->visualItemRect(list->item(1)).top(), list->rowHeight());
    EXPECT_EQ(list->visualItemRect(list->item(1)).height(), list->rowHeight());
}

TEST_F(IconListTest, APressOnTheIconSwitchesWithoutSelecting) {
    fill(3);
    QSignalSpy icons(list.get(), &IconList::iconPressed);
    QSignalSpy titlesPressed(list.get(), &IconList::titlePressed);
    press(onIcon(2));
    ASSERT_EQ(icons.count(), 1);
    EXPECT_EQ(icons.at(0).at(0).toInt(), 2);
    EXPECT_EQ(list->selectedRow(), -1);
    // The column's last pixel still belongs to the icon.
    press({IconList::kIconColumn, onIcon(1).y()});
    EXPECT_EQ(icons.count(), 2);
    EXPECT_EQ(titlesPressed.count(), 0);
    EXPECT_EQ(list->selectedRow(), -1);
}

TEST_F(IconListTest, APressOnTheTitleSelectsTheRowFirst) {
    fill(3);
    QSignalSpy titlesPressed(list.get(), &IconList::titlePressed);
    QObject::connect(list.get(), &IconList::titlePressed,
                     [&](int row) { EXPECT_EQ(list->selectedRow(), row); });
    press({IconList::kIconColumn + 1, onTitle(1).y()});
    ASSERT_EQ(titlesPressed.count(), 1);
    EXPECT_EQ(titlesPressed.at(0).at(0).toInt(), 1);
    EXPECT_EQ(list->selectedRow(), 1);
}

TEST_F(IconListTest, APressBelowTheLastRowDoesNothing) {
    fill(2);
    list->setCurrentRow(1);
    QSignalSpy icons(list.get(), &IconList::iconPressed);
    QSignalSpy titlesPressed(list.get(), &IconList::titlePressed);
    press(onTitle(3));
    press(onIcon(2));
    EXPECT_EQ(icons.count() + titlesPressed.count(), 0);
    EXPECT_EQ(list->selectedRow(), 1);
    // An empty list ignores every press.
    list->clear();
    press(onIcon(0));
    press(onTitle(0));
    EXPECT_EQ(icons.count() + titlesPressed.count(), 0);
}

TEST_F(IconListTest, RowsAreCountedFromTheTopVisibleRow) {
    fill(20);
    list->verticalScrollBar()->setValue(5);
    QCoreApplication::processEvents();
    ASSERT_EQ(list->rowAtPoint({0, 0}), 5);
    QSignalSpy icons(list.get(), &IconList::iconPressed);
    press(onIcon(2));
    ASSERT_EQ(icons.count(), 1);
    EXPECT_EQ(icons.at(0).at(0).toInt(), 7);
}

TEST_F(IconListTest, ADoubleClickOnTheIconSwitchesOnce) {
    fill(2);
    QSignalSpy icons(list.get(), &IconList::iconPressed);
    // As a real double click arrives: press, release, double click, release.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onIcon(0));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onIcon(0));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, onIcon(0));
    EXPECT_EQ(icons.count(), 1);
    EXPECT_EQ(list->selectedRow(), -1);
}

TEST_F(IconListTest, TheIconFollowsTheNoteAndTheSelectionColoursTheTitle) {
    fill(2);
    const QRect iconBox(0, 0, IconList::kIconWidth, list->rowHeight());
    const auto iconOf = [&](int row) {
        return list->viewport()->grab(iconBox.translated(0, row * list->rowHeight())).toImage();
    };
    const QImage hiddenIcon = iconOf(0);
    active.insert(0);
    list->viewport()->repaint();
    const QImage shownIcon = iconOf(0);
    EXPECT_NE(shownIcon, hiddenIcon);
    EXPECT_EQ(iconOf(1), hiddenIcon);

    const QPoint farRight(list->viewport()->width() - 2, list->rowHeight() / 2);
    const auto colourAt = [&](QPoint at) {
        return list->viewport()->grab().toImage().pixelColor(at).rgb();
    };
    EXPECT_EQ(colourAt(farRight), list->palette().color(QPalette::Base).rgb());
    list->setCurrentRow(0);
    QCoreApplication::processEvents();
    const QPalette& palette = list->palette();
    const QRgb selected = colourAt(farRight);
    EXPECT_TRUE(selected == palette.color(QPalette::Active, QPalette::Highlight).rgb() ||
                selected == palette.color(QPalette::Inactive, QPalette::Highlight).rgb());
    // The icon column keeps the list's own background beside the icon.
    EXPECT_EQ(colourAt({IconList::kIconWidth + 1, list->rowHeight() / 2}),
              list->palette().color(QPalette::Base).rgb());
}

} // namespace
