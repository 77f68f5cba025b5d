#include "pages/stepper.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Asked {
    std::vector<int> values;
    int refuseAt = -1; // the value before a step that is refused
    Stepper::StepRequest request() {
        return [this](int value, int) {
            values.push_back(value);
            return value != refuseAt;
        };
    }
};

} // namespace

TEST(Stepper, SeveralStepsAreAskedOneByOneOrTakenAsOne) {
    Stepper lendings(kLendingsStepper);
    lendings.setRange(0, 100);
    Asked asked;
    asked.refuseAt = 13;
    lendings.setStepRequest(asked.request());
    lendings.setValue(10);
    lendings.stepBy(5); // a refusal ends the run
    EXPECT_EQ(lendings.value(), 13);
    EXPECT_EQ(asked.values, (std::vector{10, 11, 12, 13}));

    Stepper reminders(kRemindersStepper);
    reminders.setRange(0, 100);
    Asked once;
    reminders.setStepRequest(once.request());
    reminders.setValue(10);
    reminders.stepBy(-5);
    EXPECT_EQ(reminders.value(), 9);
    EXPECT_EQ(once.values, (std::vector{10}));
}

TEST(Stepper, AnAcceptedStepCountsFromTheValueTheOwnerLeft) {
    Stepper month;
    month.setRange(0, 13);
    month.setValueText([](int value) { return QStringLiteral("m%1").arg(value); });
    month.setValue(12);
    month.setStepRequest([&month](int, int) {
        month.setValue(0); // wraps into January
        return true;
    });
    month.stepBy(1);
    EXPECT_EQ(month.value(), 1);
    EXPECT_EQ(month.text(), QStringLiteral("m1"));
}

TEST(Stepper, ABlankValueShowsNothingUntilTheFirstStep) {
    Stepper day;
    day.setRange(1, 31);
    day.setValue(5);
    day.setBlank(true);
    EXPECT_TRUE(day.findChild<QLineEdit*>()->text().isEmpty());
    day.stepBy(1);
    EXPECT_FALSE(day.isBlank());
    EXPECT_EQ(day.findChild<QLineEdit*>()->text(), QStringLiteral("6"));
}

TEST(Stepper, AValueOnlyShownFollowsThePagesLook) {
    // Both pages' numbers are sunken, as their tables ask.
    Stepper lendings(kLendingsStepper);
    lendings.setTypingAllowed(false);
    EXPECT_TRUE(lendings.hasFrame());
    EXPECT_EQ(lendings.focusPolicy(), Qt::StrongFocus);
    Stepper reminders(kRemindersStepper);
    reminders.setTypingAllowed(false);
    EXPECT_TRUE(reminders.hasFrame());
    EXPECT_EQ(reminders.focusPolicy(), Qt::StrongFocus) << "Tab reaches the year and the month";
    reminders.setTypingAllowed(true);
    EXPECT_EQ(reminders.focusPolicy(), Qt::WheelFocus);
}
