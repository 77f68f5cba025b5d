#include "pages/optiondialog.h"

#include "resources/dialogs.h"

OptionDialog::OptionDialog(DialogHost& host, QWidget* parent)
    : PageDialog(host, kOptionsPage, parent) {}

// Nothing is pending on this page when it is left.
void OptionDialog::CommitOptions() {}
// Following the desktop's caption colour arrives with the page's controls.
void OptionDialog::RefreshOptions() {}
