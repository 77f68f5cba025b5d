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

// Records from other programs' files: without a date, or with a day count beyond 0..1825.
struct OddRecord {
    Date date;
    int days;
    Date day;
    bool lendingDue;
    bool reminderDue;
};

class DueOfOddRecords : public ::testing::TestWithParam<OddRecord> {};

TEST_P(DueOfOddRecords, NoDateIsNeverDueAndCountsOutOfRangeCountAsTheNearestEnd) {
    const OddRecord& c = GetParam();
    Prestito lending;
    lending.setDate(c.date);
    lending.setDaysAfter(static_cast<std::int16_t>(c.days));
    Appointement reminder;
    reminder.setDate(c.date);
    reminder.setDaysBefore(static_cast<std::int16_t>(c.days));
    EXPECT_EQ(lendingDueOn(lending, c.day), c.lendingDue);
    EXPECT_EQ(reminderDueOn(reminder, c.day), c.reminderDue);
    EXPECT_EQ(lending.daysAfter(), c.days) << "the record keeps what it holds";
}

INSTANTIATE_TEST_SUITE_P(
    Records, DueOfOddRecords,
    ::testing::Values(OddRecord{kNoDate, 0, makeDate(7, 3, 1998), false, false},
                      OddRecord{kNoDate, 30, makeDate(7, 3, 1998), false, false},
                      OddRecord{makeDate(10, 3, 1998), -5, makeDate(10, 3, 1998), true, true},
                      OddRecord{makeDate(10, 3, 1998), -5, makeDate(9, 3, 1998), false, false},
                      OddRecord{makeDate(10, 3, 1998), 30000, makeDate(10, 3, 2003), true, true},
                      OddRecord{makeDate(10, 3, 1998), 30000, makeDate(1, 3, 2003), false, true}));

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
