#include "model/due.h"

#include "model/holder.h"
#include "model/postit.h"

#include <cstdint>

bool lendingDueOn(const Prestito& lending, Date day) {
    return static_cast<std::int64_t>(day) >=
           static_cast<std::int64_t>(lending.date()) + lending.daysAfter();
}

bool reminderDueOn(const Appointement& reminder, Date day) {
    return day >= reminder.date() - static_cast<Date>(reminder.daysBefore());
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
