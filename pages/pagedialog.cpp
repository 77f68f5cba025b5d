#include "pages/pagedialog.h"

#include "look/l10n.h"
#include "look/messages.h"
#include "model/catalogue.h"
#include "pages/dialoghost.h"

bool PageDialog::addOrSayFull(std::unique_ptr<PostIt> record, const char* full) {
    PostIt* added = record.get();
    if (!host_.holder().add(std::move(record))) {
        host_.messages().showMessage(nullptr, l10n::text(full), l10n::text(msg::Error),
                                     box::Capacity);
        return false;
    }
    host_.attachNew(added);
    return true;
}
