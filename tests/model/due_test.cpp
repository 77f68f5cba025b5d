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
