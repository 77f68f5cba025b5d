#include "look/accessiblepart.h"

#include <algorithm>

void installAccessibleFactory(QAccessible::InterfaceFactory factory) {
    static std::vector<QAccessible::InterfaceFactory> installed;
    if (std::find(installed.begin(), installed.end(), factory) != installed.end()) return;
    installed.push_back(factory);
    QAccessible::installFactory(factory);
}

QWindow* AccessiblePart::window() const {
    return owner_ ? owner_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessiblePart::parent() const {
    return QAccessible::queryAccessibleInterface(owner_.data());
}

QRect AccessiblePart::onScreen(const QRect& inOwner) const {
    if (!owner_) return {};
    return {owner_->mapToGlobal(inOwner.topLeft()), inOwner.size()};
}

AccessibleParts::~AccessibleParts() {
    for (const QAccessible::Id id : ids_)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* AccessibleParts::at(int index) const {
    if (index < 0) return nullptr;
    if (ids_.size() <= static_cast<std::size_t>(index)) ids_.resize(index + 1, 0);
    QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
    if (id == 0) {
        AccessiblePart* made = make_(index);
        if (!made) return nullptr;
        id = QAccessible::registerAccessibleInterface(made);
    }
    return QAccessible::accessibleInterface(id);
}

int AccessibleParts::indexOf(const QAccessibleInterface* part) const {
    for (std::size_t i = 0; i < ids_.size(); ++i)
        if (ids_[i] != 0 && QAccessible::accessibleInterface(ids_[i]) == part)
            return static_cast<int>(i);
    return -1;
}
