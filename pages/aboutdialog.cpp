#include "pages/aboutdialog.h"

#include "resources/dialogs.h"

AboutDialog::AboutDialog(DialogHost& host, QWidget* parent)
    : PageDialog(host, kAboutPage, parent) {}
