#pragma once

#include "pages/pagedialog.h"

// The "Options" page: the look of Stickums, default day counts and sound, the wave file.
class OptionDialog : public PageDialog {
    Q_OBJECT
public:
    explicit OptionDialog(DialogHost& host, QWidget* parent = nullptr);

    // The page is being left; nothing is pending on it.
    void CommitOptions();

    // The page is being entered: follows a changed desktop caption colour.
    void RefreshOptions();
};
