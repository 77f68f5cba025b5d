#include "pages/calendardialog.h"

#include "resources/dialogs.h"

CalendarDialog::CalendarDialog(DialogHost& host, QWidget* parent)
    : PageDialog(host, kRemindersPage, parent) {}

// The calendar, its marks and the due check arrive with the page's controls.
void CalendarDialog::CommitReminder() {}
void CalendarDialog::RefreshMarks() {}
void CalendarDialog::CheckDue() {}
