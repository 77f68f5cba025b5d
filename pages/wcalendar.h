#pragma once

#include "model/date.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>

// A marked day: flag 1 means the day's reminder is armed, anything else disarmed.
struct CalendarMark {
    Date date = 0;
    std::uint8_t flag = 0;
};

// One month as a Monday-first grid of 7 x 6 day cells under a row of weekday names. Days that
// carry a reminder show a small note in the left half of their cell; a press there reports the
// mark, a press in the right half selects the day. The page chooses the month and the marks.
class WCalendar : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxMarks = 50;

    // The calendar takes the place and size of the parent's placeholder control at its first
    // paint, and keeps the placeholder's id as its own control id.
    WCalendar(QWidget* parent, QWidget* placeholder, int placeholderId);

    int controlId() const { return placeholderId; }

    void SetMonth(int year, int month);
    void ClearMarks();
    void AddMark(Date date, std::uint8_t flag);
    void RemoveMark(Date date);
    void ToggleMark(Date date);
    void ClearSelection();
    int GetSelectedDay() const { return selectedDay; }
    int GetClickedDay() const { return clickedDay; }

    // The month shown, as the date of its first day (today until SetMonth).
    Date currentDate() const { return current; }
    int markCount() const { return markCount_; }
    const CalendarMark& markAt(int i) const { return marks[static_cast<std::size_t>(i)]; }

    // Grid geometry, for the page and for tests.
    int colWidth() const { return width() / 7; }
    int rowHeight() const { return (height() - headerHeight) / 6; }
    int headerHeightPx() const { return headerHeight; }
    QRect dayRect(int day) const;
    // The day under a point of the grid, or -1.
    int dayAt(QPoint point) const;

signals:
    void daySelected(int day); // a press in the right half of a day (GetSelectedDay() from now)
    void markClicked(int day); // a press in the left half of a day (GetClickedDay() from now)

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct MonthLayout {
        int firstWeekday;
        int dayCount;
    };
    MonthLayout monthLayout() const;
    Date dateOfDay(int day) const;
    const CalendarMark* markFor(Date date) const;
    void repaintDay(Date date);
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
};
