#pragma once

#include "pages/wcalendar.h"

// Reads the calendar's marks in their stored order, and its weekday row's height.
struct WCalendarTestPeer {
    static int markCount(const WCalendar& calendar) { return calendar.markCount_; }
    static const CalendarMark& markAt(const WCalendar& calendar, int i) {
        return calendar.marks[static_cast<std::size_t>(i)];
    }
    static int headerHeightPx(const WCalendar& calendar) { return calendar.headerHeight; }
};
