#pragma once

#include "pages/pagedialog.h"

// The "Infoz" page: the program's name, version and makers. Nothing on it reacts.
class AboutDialog : public PageDialog {
    Q_OBJECT
public:
    explicit AboutDialog(DialogHost& host, QWidget* parent = nullptr);
};
