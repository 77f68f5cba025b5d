#include "pages/notesdialog.h"

#include "resources/dialogs.h"

NotesDialog::NotesDialog(DialogHost& host, QWidget* parent)
    : PageDialog(host, kNotesPage, parent) {}

// The list and its edit form arrive with the page's controls.
void NotesDialog::RefreshNotes() {}
