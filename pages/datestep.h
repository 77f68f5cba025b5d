#pragma once

// Stepping the date controls of the Lendings and Reminders pages.

// The years the year controls offer.
inline constexpr int kFirstYear = 1996;
inline constexpr int kLastYear = 2099;

// A month control runs one place beyond each end of the year, 0 and 13, so that a step off
// either end can be turned into the next or the previous year.
inline constexpr int kMonthBelow = 0;
inline constexpr int kMonthAbove = 13;

// Where a step of a month control leads: the month shown after it and the year that month is
// in. A step off either end of the year wraps: the year is then the one after or before (which
// may lie outside the year range: the page decides), and the control must first be put at
// `from` (13 or 0), so that adding the step lands it on January or December.
struct MonthStep {
    int month;
    int year;
    bool wraps;
    int from;
};

inline MonthStep monthStep(int position, int step, int year) {
    const int month = position + step;
    if (month <= kMonthBelow) return {12, year - 1, true, kMonthAbove};
    if (month >= kMonthAbove) return {1, year + 1, true, kMonthBelow};
    return {month, year, false, position};
}
