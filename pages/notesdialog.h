#pragma once

#include "pages/pagedialog.h"

// The "Notes" page: writing, changing and removing notes.
class NotesDialog : public PageDialog {
    Q_OBJECT
public:
    explicit NotesDialog(DialogHost& host, QWidget* parent = nullptr);

    // Rebuilds the list of note titles from the records.
    void RefreshNotes();
};
