#pragma once

#include <cstdint>
#include <functional>

// A calendar date is the Julian Day Number of the day (1 January 1901 is 2415386), so that
// adding days and comparing dates are plain integer operations. 0 stands for "no valid date".
using Date = std::uint32_t;

inline constexpr Date kNoDate = 0;

struct DayMonthYear {
    int day = 0;
    int month = 0;
    int year = 0;
    bool operator==(const DayMonthYear&) const = default;
};

// Builds a date from its parts by the Gregorian calendar; a year below 100 counts as 1900 plus
// the year. An impossible day (month outside 1..12, day outside the month) gives kNoDate.
Date makeDate(int day, int month, int year);

// The parts of a date. kNoDate gives {0, 0, 0}.
DayMonthYear splitDate(Date date);

// Monday 1 to Sunday 7.
int weekday(Date date);

int daysInMonth(int month, int year);

// Today's local date by the system clock.
Date systemToday();
// Where today's date comes from for those who need it: the system clock in the program, a
// given day in tests.
using TodaySource = std::function<Date()>;
