#include "pages/prestitidialog.h"

#include "resources/dialogs.h"

PrestitiDialog::PrestitiDialog(DialogHost& host, QWidget* parent)
    : PageDialog(host, kLendingsPage, parent) {}

// The form, the list and the due check arrive with the page's controls.
void PrestitiDialog::CommitLending() {}
void PrestitiDialog::RefreshLendings() {}
void PrestitiDialog::CheckDue() {}
