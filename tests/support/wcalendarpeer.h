#pragma once

#include "pages/wcalendar.h"

// Reads the month shown (its first day; today until SetMonth), the calendar's marks in their
// stored order, and its weekday row's height.
struct WCalendarTestPeer {
    static Date currentDate(const WCalendar& calendar) { return calendar.current; }
    static int markCount(const WCalendar& calendar) { return calendar.markCount_; }
    static const CalendarMark& markAt(const WCalendar& calendar, int i) {
        return calendar.marks[static_cast<std::size_t>(i)];
    }
    static int headerHeightPx(const WCalendar& calendar) { return calendar.headerHeight; }
};
