#pragma once

#include "pages/pagedialog.h"

// The "Reminders" page: days marked on the calendar.
class CalendarDialog : public PageDialog {
    Q_OBJECT
public:
    explicit CalendarDialog(DialogHost& host, QWidget* parent = nullptr);

    // Stores the controls into the reminder of the selected day (the page is being left).
    void CommitReminder();

    // Rebuilds the calendar marks (the page is being entered).
    void RefreshMarks();

    // Marks the armed reminders whose day is near as due, the others as hidden.
    void CheckDue();
};
