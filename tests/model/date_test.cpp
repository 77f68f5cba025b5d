#include "model/date.h"

#include <gtest/gtest.h>

TEST(Date, JulianDayNumbersOfKnownDays) {
    EXPECT_EQ(makeDate(1, 1, 1901), 2415386u);
    EXPECT_EQ(makeDate(1, 1, 1970), 2440588u);
    EXPECT_EQ(makeDate(1, 1, 2000) - makeDate(31, 12, 1999), 1u);
}

TEST(Date, ImpossibleDaysGiveNoDate) {
    EXPECT_EQ(makeDate(29, 2, 1900), kNoDate); // divisible by 100, not by 400
    EXPECT_NE(makeDate(29, 2, 2000), kNoDate); // divisible by 400
    EXPECT_NE(makeDate(29, 2, 1996), kNoDate);
    EXPECT_EQ(makeDate(29, 2, 1999), kNoDate);
    EXPECT_EQ(makeDate(31, 4, 2001), kNoDate);
    EXPECT_EQ(makeDate(0, 1, 2001), kNoDate);
    EXPECT_EQ(makeDate(1, 0, 2001), kNoDate);
    EXPECT_EQ(makeDate(1, 13, 2001), kNoDate);
    EXPECT_EQ(makeDate(1, 1, 10000), kNoDate);
    EXPECT_EQ(makeDate(1, 1, -3), kNoDate);
}

TEST(Date, TwoDigitYearsCountFrom1900) {
    EXPECT_EQ(makeDate(5, 1, 98), makeDate(5, 1, 1998));
    EXPECT_EQ(makeDate(5, 1, 0), makeDate(5, 1, 1900));
    EXPECT_EQ(splitDate(makeDate(5, 1, 99)), (DayMonthYear{5, 1, 1999}));
}

TEST(Date, EveryDayOfFourDigitYearsSplitsBack) {
    for (int year : {1000, 1582, 1900, 1999, 2000, 2024, 2100, 9999}) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= daysInMonth(month, year); ++day) {
                const Date date = makeDate(day, month, year);
                ASSERT_NE(date, kNoDate);
                ASSERT_EQ(splitDate(date), (DayMonthYear{day, month, year}));
            }
        }
    }
    EXPECT_EQ(splitDate(kNoDate), (DayMonthYear{}));
}

TEST(Date, WeekdayIsMondayOneToSundaySeven) {
    EXPECT_EQ(weekday(makeDate(1, 1, 1901)), 2); // a Tuesday
    EXPECT_EQ(weekday(makeDate(7, 12, 2026)), 1);
    EXPECT_EQ(weekday(makeDate(13, 12, 2026)), 7);
    EXPECT_EQ(weekday(makeDate(29, 2, 2000)), 2);
}

TEST(Date, TodayByTheSystemClockIsARealDate) {
    const DayMonthYear now = splitDate(systemToday());
    EXPECT_GE(now.year, 2024);
}
