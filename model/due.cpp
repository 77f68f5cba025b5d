#include "model/due.h"

#include "model/holder.h"

#include <cstdint>

namespace {

void setDue(PostIt& record, bool due) {
    if (due && record.active()) {
        if (record.displayState() == Hidden) record.setDisplayState(Due);
    } else {
        record.setDisplayState(Hidden);
    }
}

} // namespace

void checkLendingsDue(PostItHolder& holder, Date today) {
    // Plain day numbers: due from the day that is daysAfter days after the lending's date.
    const std::int64_t now = today;
    for (int i = 0; i < holder.lendingCount(); ++i) {
        Prestito* lending = holder.lending(i);
        if (!lending) continue;
        setDue(*lending, now >= static_cast<std::int64_t>(lending->date()) + lending->daysAfter());
    }
}

void checkRemindersDue(PostItHolder& holder, Date today) {
    for (int i = 0; i < holder.reminderCount(); ++i) {
        Appointement* reminder = holder.reminder(i);
        if (!reminder) continue;
        // Day numbers are compared as plain unsigned values, the way stored files expect.
        const Date from = reminder->date() - static_cast<Date>(reminder->daysBefore());
        setDue(*reminder, today >= from);
    }
}
