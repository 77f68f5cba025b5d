#pragma once

class QAccessibleInterface;
class WCalendar;

// The calendar as a screen reader sees it: a table of seven weekday columns with one cell per
// day of the month shown, named by WCalendar::dayName(), selected when it is the selected day,
// focused when it is the keyboard's day, and checked while its reminder is armed. A cell's
// actions are the presses: "Press" selects the day, "Toggle" arms or disarms its reminder.

// Makes Qt build the calendar's table for it; once per program.
void installCalendarAccessibility();

// The cell of a day of the month shown, while a screen reader is listening; nullptr otherwise.
QAccessibleInterface* accessibleDay(WCalendar* calendar, int day);
