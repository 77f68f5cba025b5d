#include "model/due.h"
#include "model/holder.h"
#include "model/postit.h"

#include <gtest/gtest.h>

TEST(Due, ALendingFallsDueItsDaysAfterItsDate) {
    Prestito lending;
    lending.setDate(makeDate(1, 3, 1998));
    lending.setDaysAfter(30);
    EXPECT_FALSE(lendingDueOn(lending, makeDate(30, 3, 1998)));
    EXPECT_TRUE(lendingDueOn(lending, makeDate(31, 3, 1998)));
}

TEST(Due, AReminderFallsDueItsDaysBeforeAndNeverWithoutADate) {
    Appointement reminder;
    reminder.setDate(makeDate(10, 3, 1998));
    reminder.setDaysBefore(3);
    EXPECT_FALSE(reminderDueOn(reminder, makeDate(6, 3, 1998)));
    EXPECT_TRUE(reminderDueOn(reminder, makeDate(7, 3, 1998)));
    reminder.setDate(kNoDate);
    EXPECT_FALSE(reminderDueOn(reminder, makeDate(7, 3, 1998)));
}

// Records from other programs' files, without a date or with a day count beyond 0..1825: the
// date, the count, the day checked, whether a lending and a reminder are due then.
class DueOfOddRecords : public ::testing::TestWithParam<std::tuple<Date, int, Date, bool, bool>> {};

TEST_P(DueOfOddRecords, NoDateIsNeverDueAndCountsOutOfRangeCountAsTheNearerEnd) {
    const auto [date, days, day, lendingDue, reminderDue] = GetParam();
    Prestito lending;
    lending.setDate(date);
    lending.setDaysAfter(static_cast<std::int16_t>(days));
    Appointement reminder;
    reminder.setDate(date);
    reminder.setDaysBefore(static_cast<std::int16_t>(days));
    EXPECT_EQ(lendingDueOn(lending, day), lendingDue);
    EXPECT_EQ(reminderDueOn(reminder, day), reminderDue);
    EXPECT_EQ(lending.daysAfter(), days) << "the record keeps what it holds";
}

const Date kMarch10 = makeDate(10, 3, 1998);
INSTANTIATE_TEST_SUITE_P(
    Records, DueOfOddRecords,
    ::testing::Values(std::tuple{kNoDate, 0, makeDate(7, 3, 1998), false, false},
                      std::tuple{kMarch10, -5, kMarch10, true, true},
                      std::tuple{kMarch10, -5, makeDate(9, 3, 1998), false, false},
                      std::tuple{kMarch10, 30000, makeDate(10, 3, 2003), true, true},
                      std::tuple{kMarch10, 30000, makeDate(1, 3, 2003), false, true}));

TEST(Due, ADueRecordIsAlertedOnceAndHiddenWhenDisarmedOrNotDue) {
    Note record;
    record.setActive(true);
    record.setDisplayState(Hidden);
    applyDue(record, true);
    EXPECT_EQ(record.displayState(), Due);
    record.setDisplayState(Shown); // its Stickum went up
    applyDue(record, true);
    EXPECT_EQ(record.displayState(), Shown);
    applyDue(record, false);
    EXPECT_EQ(record.displayState(), Hidden);
    record.setActive(false);
    applyDue(record, true);
    EXPECT_EQ(record.displayState(), Hidden);
}
