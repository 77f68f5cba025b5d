#include "model/due.h"

#include "model/holder.h"
#include "model/postit.h"

#include <algorithm>
#include <cstdint>

namespace {

int usableDays(std::int16_t days) {
    return std::clamp<int>(days, 0, kMaxDays);
}

} // namespace

bool lendingDueOn(const Prestito& lending, Date day) {
    if (lending.date() == kNoDate) return false;
    return static_cast<std::int64_t>(day) >=
           static_cast<std::int64_t>(lending.date()) + usableDays(lending.daysAfter());
}

bool reminderDueOn(const Appointement& reminder, Date day) {
    if (reminder.date() == kNoDate) return false;
    return day >= reminder.date() - static_cast<Date>(usableDays(reminder.daysBefore()));
}

void applyDue(PostIt& record, bool due) {
    if (due && record.active()) {
        if (record.displayState() == Hidden) record.setDisplayState(Due);
    } else {
        record.setDisplayState(Hidden);
    }
}

void checkLendingsDue(PostItHolder& records, Date day) {
    for (int i = 0; i < records.lendingCount(); ++i) {
        if (Prestito* lending = records.lending(i)) applyDue(*lending, lendingDueOn(*lending, day));
    }
}

void checkRemindersDue(PostItHolder& records, Date day) {
    for (int i = 0; i < records.reminderCount(); ++i) {
        if (Appointement* reminder = records.reminder(i))
            applyDue(*reminder, reminderDueOn(*reminder, day));
    }
}
