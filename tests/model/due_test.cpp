#include "model/due.h"
#include "model/holder.h"
#include "model/postit.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

// A lending and a reminder with the same date and day count, and the day checked: whether each
// is due then. Records from other programs' files may have no date, or a day count beyond
// 0..1825: no date is never due, and a count out of range counts as the nearer end.
struct DueCase {
    const char* name;
    Date date;
    int days;
    Date day;
    bool lendingDue, reminderDue;
};

void PrintTo(const DueCase& c, std::ostream* out) {
    *out << c.name;
}

class DueOn : public ::testing::TestWithParam<DueCase> {};

TEST_P(DueOn, LendingsAfterTheirDaysRemindersTheirDaysBefore) {
    const DueCase& c = GetParam();
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

const Date kMarch1 = makeDate(1, 3, 1998);
const Date kMarch10 = makeDate(10, 3, 1998);
const DueCase kDueCases[] = {
    {"TheDayBeforeALendingsDaysAreOver", kMarch1, 30, makeDate(30, 3, 1998), false, true},
    {"TheDayALendingsDaysAreOver", kMarch1, 30, makeDate(31, 3, 1998), true, true},
    {"TheDayBeforeAReminderIsDue", kMarch10, 3, makeDate(6, 3, 1998), false, false},
    {"TheFirstDayAReminderIsDue", kMarch10, 3, makeDate(7, 3, 1998), false, true},
    {"NoDate", kNoDate, 3, makeDate(7, 3, 1998), false, false},
    {"NegativeCountOnTheDay", kMarch10, -5, kMarch10, true, true},
    {"NegativeCountTheDayBefore", kMarch10, -5, makeDate(9, 3, 1998), false, false},
    {"HugeCountFiveYearsAfter", kMarch10, 30000, makeDate(10, 3, 2003), true, true},
    {"HugeCountBeforeFiveYearsAfter", kMarch10, 30000, makeDate(1, 3, 2003), false, true},
};

INSTANTIATE_TEST_SUITE_P(, DueOn, ::testing::ValuesIn(kDueCases),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace

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
