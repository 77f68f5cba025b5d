#include "desktop/windowaliases.h"

#include "look/l10n.h"
#include "look/messages.h"
#include "model/catalogue.h"
#include "platform/windowsystem.h"

QWindow* WindowAliases::aliasFor(WindowHandle window) {
    for (const Alias& alias : aliases_) {
        if (alias.window == window) return alias.proxy;
    }
    if (count() >= kCapacity) {
        messages_.showMessage(nullptr, l10n::text(msg::NoSpaceAttach), l10n::text(msg::Error),
                              box::Capacity);
        return nullptr;
    }
    if (!windows_.exists(window)) return nullptr;
    QWindow* proxy = windows_.ownerProxy(window);
    if (!proxy) return nullptr;
    aliases_.push_back({window, proxy});
    return proxy;
}
