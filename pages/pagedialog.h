#pragma once

#include "pages/templatedialog.h"

#include <memory>
#include <utility>

class DialogHost;
class PostIt;

// A page of the main dialog: a child dialog built from its table that reaches the records, the
// options and the message boxes through the main dialog.
class PageDialog : public TemplateDialog {
    Q_OBJECT
public:
    PageDialog(DialogHost& host, int tableId, QWidget* parent = nullptr)
        : TemplateDialog(tableId, parent), host_(host) {}

protected:
    DialogHost& host() const { return host_; }

    // Adds the record to the list with its Stickum's attributes and gives it back; when the list
    // is full, says so in the words given and gives back none (the record is dropped).
    template <class Record> Record* addOrSayFull(std::unique_ptr<Record> record, const char* full) {
        Record* added = record.get();
        return addOrSayFull(std::unique_ptr<PostIt>(std::move(record)), full) ? added : nullptr;
    }

private:
    bool addOrSayFull(std::unique_ptr<PostIt> record, const char* full);

    DialogHost& host_;
};
