#pragma once

#include "model/date.h"

class Appointement;
class PostIt;
class PostItHolder;
class Prestito;

// When lendings and reminders fall due, and what that does to their Stickums.

// A lending is due from the day daysAfter days after its date, a reminder from the day
// daysBefore days before its date (day numbers compared as plain unsigned values, the way
// stored files expect). A record without a date is never due. A day count beyond what the
// pages offer (another program's file) counts as the nearer end of 0..1825; the record keeps
// what it holds.
bool lendingDueOn(const Prestito& lending, Date day);
bool reminderDueOn(const Appointement& reminder, Date day);

// What a check does to a record: an active record that is due and hidden becomes Due (one on
// show stays so); one not due, or not active, is hidden.
void applyDue(PostIt& record, bool due);

// Checks every lending, or every reminder, of the list on the day.
void checkLendingsDue(PostItHolder& records, Date day);
void checkRemindersDue(PostItHolder& records, Date day);
