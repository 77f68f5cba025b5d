#include "pages/wcalendar.h"

#include "wcalendarpeer.h"

#include <QAccessible>
#include <QGroupBox>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kPlaceholderId = 26240;

class CalendarTest : public ::testing::Test {
protected:
    void SetUp() override {
        page = std::make_unique<QWidget>();
        page->resize(400, 300);
        auto* placeholder = new QGroupBox(page.get());
        placeholder->setGeometry(6, 20, 7 * 40 + 3, 6 * 24 + 20);
        calendar = new WCalendar(page.get(), placeholder, kPlaceholderId, makeDate(7, 12, 2026));
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
        // The first paint places the calendar over its placeholder; the next one draws it.
        QCoreApplication::processEvents();
        calendar->grab();
        ASSERT_EQ(calendar->geometry(), placeholder->geometry());
        ASSERT_GT(WCalendarTestPeer::headerHeightPx(*calendar), 0);
    }

    QPoint rightHalf(int day) const {
        const QRect cell = calendar->dayRect(day);
        return {cell.left() + calendar->colWidth() * 3 / 4, cell.center().y()};
    }
    QPoint leftHalf(int day) const {
        const QRect cell = calendar->dayRect(day);
        return {cell.left() + 3, cell.center().y()};
    }
    void press(QPoint at) { QTest::mouseClick(calendar, Qt::LeftButton, {}, at); }

    // Pixels of the given colour inside a rectangle of the calendar's picture; red counts
    // every clearly red pixel, as text and icons are drawn smoothed.
    int countColour(const QRect& area, QRgb colour) {
        const QImage image = calendar->grab().toImage();
        const bool red = (colour & 0xFFFFFF) == (qRgb(255, 0, 0) & 0xFFFFFF);
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (red ? qRed(p) > 160 && qGreen(p) < 90 && qBlue(p) < 90
                        : (p & 0xFFFFFF) == (colour & 0xFFFFFF))
                    ++n;
            }
        }
        return n;
    }

    std::unique_ptr<QWidget> page;
    WCalendar* calendar = nullptr;
};

} // namespace

TEST_F(CalendarTest, MonthsStartInTheirWeekdayColumn) {
    calendar->SetMonth(1998, 3); // the 1st is a Sunday: all six rows
    const int w = calendar->colWidth();
    const int h = calendar->rowHeight();
    const int header = WCalendarTestPeer::headerHeightPx(*calendar);
    EXPECT_EQ(calendar->dayRect(1).topLeft(), QPoint(6 * w, header));
    EXPECT_EQ(calendar->dayRect(30).topLeft(), QPoint(0, 5 * h + header));
    EXPECT_EQ(calendar->dayRect(31).topLeft(), QPoint(w, 5 * h + header));
    EXPECT_EQ(calendar->dayRect(31).size(), QSize(w, h));

    calendar->SetMonth(1998, 1);
    EXPECT_EQ(calendar->dayRect(1).left(), 3 * w); // a Thursday
    EXPECT_EQ(WCalendarTestPeer::currentDate(*calendar), makeDate(1, 1, 1998));

    for (int year : {2000, 2004, 1900, 2100}) {
        calendar->SetMonth(year, 2);
        const bool leap = year == 2000 || year == 2004;
        EXPECT_EQ(calendar->dayAt(calendar->dayRect(29).center()), leap ? 29 : -1) << year;
        EXPECT_EQ(calendar->dayAt(calendar->dayRect(28).center()), 28) << year;
    }
    calendar->SetMonth(1998, 13); // no such month: nothing changes
    EXPECT_EQ(WCalendarTestPeer::currentDate(*calendar), makeDate(1, 2, 2100));
}

TEST_F(CalendarTest, PressesOutsideTheDaysDoNothing) {
    calendar->SetMonth(1998, 3);
    QSignalSpy selected(calendar, &WCalendar::daySelected);
    QSignalSpy clicked(calendar, &WCalendar::markClicked);
    press({calendar->colWidth() * 3,
           WCalendarTestPeer::headerHeightPx(*calendar) / 2}); // weekday row
    press(rightHalf(1) - QPoint(calendar->colWidth(), 0));     // before day 1
    press(rightHalf(31) + QPoint(calendar->colWidth(), 0));    // after day 31
    press({calendar->width() - 1, calendar->height() - 1});    // right of the grid
    // The strip right of Sunday that the width left over is nobody's, not next Monday's.
    ASSERT_GT(calendar->width(), 7 * calendar->colWidth());
    press({7 * calendar->colWidth(), calendar->dayRect(8).center().y()});
    EXPECT_EQ(selected.count(), 0);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(calendar->GetSelectedDay(), -1);
    EXPECT_EQ(calendar->GetClickedDay(), -1);
}

TEST_F(CalendarTest, RightHalfSelectsLeftHalfReportsTheMark) {
    calendar->SetMonth(2026, 12);
    QSignalSpy selected(calendar, &WCalendar::daySelected);
    QSignalSpy clicked(calendar, &WCalendar::markClicked);
    press(rightHalf(10));
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 10);
    EXPECT_EQ(calendar->GetSelectedDay(), 10);

    press(leftHalf(12));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 12);
    EXPECT_EQ(calendar->GetClickedDay(), 12);
    EXPECT_EQ(calendar->GetSelectedDay(), 10);

    // The half-way pixel belongs to the left half.
    const QRect cell = calendar->dayRect(14);
    press({cell.left() + calendar->colWidth() / 2, cell.center().y()});
    EXPECT_EQ(calendar->GetClickedDay(), 14);

    press(rightHalf(10));
    EXPECT_EQ(selected.count(), 2);
    calendar->ClearSelection();
    EXPECT_EQ(calendar->GetSelectedDay(), -1);
    EXPECT_EQ(selected.count(), 2);
}

TEST_F(CalendarTest, MarksKeepTheirOrderAndStopAtFifty) {
    calendar->SetMonth(2026, 12);
    const Date a = makeDate(1, 12, 2026), b = makeDate(2, 12, 2026), c = makeDate(3, 12, 2026);
    calendar->AddMark(a, 1);
    calendar->AddMark(b, 0);
    calendar->AddMark(c, 1);
    calendar->RemoveMark(b);
    ASSERT_EQ(WCalendarTestPeer::markCount(*calendar), 2);
    EXPECT_EQ(WCalendarTestPeer::markAt(*calendar, 0).date, a);
    EXPECT_EQ(WCalendarTestPeer::markAt(*calendar, 1).date, c);

    // Every mark of a date goes, also two side by side.
    calendar->AddMark(b, 1);
    calendar->AddMark(b, 0);
    calendar->AddMark(a, 0);
    calendar->RemoveMark(b);
    ASSERT_EQ(WCalendarTestPeer::markCount(*calendar), 3);
    EXPECT_EQ(WCalendarTestPeer::markAt(*calendar, 2).date, a);

    calendar->ClearMarks();
    for (int i = 0; i < WCalendar::MaxMarks + 1; ++i)
        calendar->AddMark(makeDate(1, 1, 2000) + i, 1);
    EXPECT_EQ(WCalendarTestPeer::markCount(*calendar), WCalendar::MaxMarks);
    EXPECT_EQ(WCalendarTestPeer::markAt(*calendar, 49).date, makeDate(1, 1, 2000) + 49);
}

TEST_F(CalendarTest, ToggledMarksSwitchTheirIcon) {
    calendar->SetMonth(2026, 12);
    const Date day = makeDate(9, 12, 2026);
    const QRect iconArea = calendar->dayRect(9).adjusted(2, 2, -calendar->colWidth() / 2, -2);
    const int redBefore = countColour(iconArea, qRgb(255, 0, 0));
    calendar->AddMark(day, 1);
    const QImage armed = calendar->grab().toImage().copy(iconArea);
    calendar->ToggleMark(day);
    EXPECT_EQ(WCalendarTestPeer::markAt(*calendar, 0).flag, 0);
    const QImage disarmed = calendar->grab().toImage().copy(iconArea);
    EXPECT_NE(armed, disarmed);
    EXPECT_GT(countColour(iconArea, qRgb(255, 0, 0)), redBefore); // crossed out in red
    calendar->ToggleMark(day);
    EXPECT_EQ(calendar->grab().toImage().copy(iconArea), armed);
}

TEST_F(CalendarTest, SundayNumbersAreRedSelectedOrNot) {
    calendar->SetMonth(2026, 12); // 6 December 2026 is a Sunday
    const QRect sunday = calendar->dayRect(6);
    const QRect saturday = calendar->dayRect(5);
    EXPECT_GT(countColour(sunday, qRgb(255, 0, 0)), 0);
    EXPECT_EQ(countColour(saturday, qRgb(255, 0, 0)), 0);
    press(rightHalf(6));
    EXPECT_GT(countColour(sunday, qRgb(255, 0, 0)), 0);
    const QColor highlight = calendar->palette().highlight().color();
    EXPECT_GT(countColour(sunday, highlight.rgb()), 0);
}

namespace {

// Collects what the calendar is asked to paint.
class PaintRecorder : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion painted;
};

} // namespace

TEST_F(CalendarTest, SelectionAndMarksRepaintSingleCells) {
    calendar->SetMonth(2026, 12);
    calendar->grab();
    PaintRecorder recorder;
    calendar->installEventFilter(&recorder);
    press(rightHalf(10));
    press(rightHalf(12)); // the new cell and the one that lost the selection, not the 11th
    // The press gave the calendar the keys: their frame left today, the 7th.
    EXPECT_EQ(recorder.painted,
              QRegion(calendar->dayRect(7)) + calendar->dayRect(10) + calendar->dayRect(12));
    recorder.painted = QRegion();
    calendar->AddMark(makeDate(3, 12, 2026), 1);
    calendar->ClearSelection();
    EXPECT_EQ(recorder.painted, QRegion(calendar->dayRect(3)) + calendar->dayRect(12));
    calendar->removeEventFilter(&recorder);
}

namespace {

// A day of December 2026 as a screen reader reads it.
struct CellCase {
    const char* name;
    int day;
    QString text;
    int row;
    int column;
    bool selected;
    int mark; // -1: none, 0: disarmed, 1: armed
};

class CalendarCells : public CalendarTest, public ::testing::WithParamInterface<CellCase> {};

} // namespace

TEST_P(CalendarCells, NameTheDayAndItsReminder) {
    const CellCase& c = GetParam();
    calendar->SetMonth(2026, 12);
    calendar->AddMark(makeDate(15, 12, 2026), 1);
    calendar->AddMark(makeDate(31, 12, 2026), 0);
    calendar->setReminderText([](Date date) {
        return date == makeDate(15, 12, 2026) ? QStringLiteral("Mum's birthday")
                                              : QStringLiteral("dentist");
    });
    calendar->selectDay(31);

    QAccessibleInterface* month = QAccessible::queryAccessibleInterface(calendar);
    EXPECT_EQ(month->role(), QAccessible::Table);
    EXPECT_EQ(month->childCount(), 31);
    QAccessibleTableInterface* table = month->tableInterface();
    EXPECT_EQ(table->columnCount(), 7);
    EXPECT_EQ(table->columnDescription(1), QStringLiteral("Tuesday"));

    QAccessibleInterface* cell = table->cellAt(c.row, c.column);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(month->child(c.day - 1), cell);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->text(QAccessible::Name), c.text);
    EXPECT_EQ(cell->state().selected, c.selected);
    EXPECT_EQ(cell->state().checkable, c.mark >= 0);
    EXPECT_EQ(cell->state().checked, c.mark == 1);
    EXPECT_EQ(cell->tableCellInterface()->rowIndex(), c.row);

    // Its actions are the presses of its halves.
    QSignalSpy clicked(calendar, &WCalendar::markClicked);
    cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(clicked.count(), 1);
    cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(calendar->GetSelectedDay(), c.day);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, CalendarCells,
    ::testing::Values(
        CellCase{"ArmedReminder", 15,
                 QStringLiteral("Tuesday 15 December 2026, reminder: Mum's birthday, armed"), 2, 1,
                 false, 1},
        CellCase{"PlainSunday", 6, QStringLiteral("Sunday 6 December 2026"), 0, 6, false, -1},
        CellCase{"SelectedDisarmedReminder", 31,
                 QStringLiteral("Thursday 31 December 2026, reminder: dentist, disarmed"), 4, 3,
                 true, 0}),
    [](const auto& cell) { return std::string(cell.param.name); });
