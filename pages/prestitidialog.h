#pragma once

#include "pages/pagedialog.h"

// The "Lendings" page: what the user has lent or borrowed.
class PrestitiDialog : public PageDialog {
    Q_OBJECT
public:
    explicit PrestitiDialog(DialogHost& host, QWidget* parent = nullptr);

    // Stores the form into the current lending (the page is being left).
    void CommitLending();

    // Fills the list and the names again (the page is being entered).
    void RefreshLendings();

    // Marks the armed lendings that are overdue as due, the others as hidden.
    void CheckDue();
};
