#pragma once

#include "model/date.h"

class PostItHolder;

// The due rules of the minute tick. Each sets the display state of the records of its kind: an
// armed record that is due and hidden becomes Due (its Stickum pops up at the next alert pass),
// one that is shown stays shown, every other one becomes Hidden.

// A lending is due from the day that lies its number of days after its date.
void checkLendingsDue(PostItHolder& holder, Date today);
// A reminder is due from the day that lies its number of days before its date.
void checkRemindersDue(PostItHolder& holder, Date today);
