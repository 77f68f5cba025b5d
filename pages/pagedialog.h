#pragma once

#include "pages/templatedialog.h"

class DialogHost;

// A page of the main dialog: a child dialog built from its table that reaches the records, the
// options and the message boxes through the main dialog.
class PageDialog : public TemplateDialog {
    Q_OBJECT
public:
    PageDialog(DialogHost& host, int tableId, QWidget* parent = nullptr)
        : TemplateDialog(tableId, parent), host_(host) {}

protected:
    DialogHost& host() const { return host_; }

private:
    DialogHost& host_;
};
