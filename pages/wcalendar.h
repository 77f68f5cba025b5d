#pragma once

#include "model/date.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

// A marked day: flag 1 means the day's reminder is armed, anything else disarmed.
struct CalendarMark {
    Date date = 0;
    std::uint8_t flag = 0;
};

// One month as a Monday-first grid of 7 x 6 day cells under a row of weekday names. Days that
// carry a reminder show a small note in the left half of their cell; a press there reports the
// mark, a press in the right half selects the day. The page chooses the month and the marks.
//
// The keyboard has a day of its own, framed while the calendar has the focus: the arrows,
// Home and End move it (past the month's ends into the next or the previous month), Page Up and
// Page Down change the month, Space or Enter select it as a press in its right half does, and
// Ctrl+Space arms or disarms its reminder as a press in its left half does. A screen reader
// reads the month as a table of its days (calendaraccessible.h).
class WCalendar : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxMarks = 50;

    // The calendar takes the place and size of the parent's placeholder control at its first
    // paint, and keeps the placeholder's id as its own control id. It starts on today's month.
    WCalendar(QWidget* parent, QWidget* placeholder, int placeholderId, Date today);

    int controlId() const { return placeholderId; }

    void SetMonth(int year, int month);
    void ClearMarks();
    void AddMark(Date date, std::uint8_t flag);
    void RemoveMark(Date date);
    void ToggleMark(Date date);
    void ClearSelection();
    int GetSelectedDay() const { return selectedDay; }
    int GetClickedDay() const { return clickedDay; }

    int dayCount() const { return monthLayout().dayCount; }
    Date dateOfDay(int day) const;
    // The mark on the date, or nullptr.
    const CalendarMark* markFor(Date date) const;
    // What the page's reminder on a date says, for a screen reader.
    void setReminderText(std::function<QString(Date)> text) { reminderText_ = std::move(text); }
    // The day as a screen reader names it: "Tuesday 15 December 2026, reminder: Mum's
    // birthday, armed".
    QString dayName(int day) const;
    // Monday (1) to Sunday (7), in full.
    static QString weekdayName(int weekday);
    // The keyboard's day; a press moves it too.
    int cursorDay() const { return cursorDay_; }
    // The presses in the right and the left half of a day, made by the keys or a reader.
    void selectDay(int day);
    void clickMark(int day);

    // Grid geometry, for the page and for tests.
    int colWidth() const { return width() / 7; }
    int rowHeight() const { return (height() - headerHeight) / 6; }
    QRect dayRect(int day) const;
    // The day under a point of the grid, or -1.
    int dayAt(QPoint point) const;
    // Where a day stands in the grid, counted from the first column of the first row.
    int gridPosition(int day) const { return day + monthLayout().firstWeekday - 2; }

signals:
    void daySelected(int day); // a press in the right half of a day (GetSelectedDay() from now)
    void markClicked(int day); // a press in the left half of a day (GetClickedDay() from now)
    // A key asks for the month after (1) or before (-1): the page decides and calls SetMonth.
    void monthStepRequested(int step);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend struct WCalendarTestPeer;

    struct MonthLayout {
        int firstWeekday;
        int dayCount;
    };
    MonthLayout monthLayout() const;
    // Moves the keyboard's day; a day beyond the month's ends is one of the month after or
    // before, when the page goes there.
    void moveCursor(int day);
    void repaintDay(Date date);
    // Tells a screen reader that the day's state (selected, checked) or name changed.
    void dayChanged(int day, bool stateChanged = true);
    void drawDay(class QPainter& painter, int day, int column, int row) const;
    QFont calendarFont() const;

    QPointer<QWidget> placeholder;
    int placeholderId;
    bool positioned = false;
    Date current;
    int selectedDay = -1;
    int clickedDay = -1;
    int headerHeight = 0;
    QRect selectedRect;
    std::array<CalendarMark, MaxMarks> marks{};
    int markCount_ = 0;
    int cursorDay_ = 1;
    std::function<QString(Date)> reminderText_;
};
