#include "model/holder.h"

#include <utility>

std::unique_ptr<PostItAttr> PostItHolder::newAttr() {
    auto attr = std::make_unique<PostItAttr>();
    if (!firstPlaceGiven_) {
        attr->x = 50;
        attr->y = 50;
        firstPlaceGiven_ = true;
    }
    return attr;
}

bool PostItHolder::add(std::unique_ptr<PostIt> record) {
    if (!record || count_ >= kHolderCapacity) return false;
    const Kind kind = record->kind();
    SpecificPostIt& entry = entries_[static_cast<std::size_t>(count_)];
    entry.record = std::move(record);
    entry.attr.reset();
    entry.kind = kind;
    ++count_;
    ++kindCount_[static_cast<std::size_t>(kind)];
    return true;
}

int PostItHolder::countOf(Kind kind) const {
    const bool known = kind == KindNote || kind == KindLending || kind == KindReminder;
    return known ? kindCount_[static_cast<std::size_t>(kind)] : 0;
}

int PostItHolder::indexOfNth(Kind kind, int i) const {
    if (i < 0 || i >= countOf(kind)) return -1;
    int seen = 0;
    for (int index = 0; index < count_; ++index) {
        if (entries_[static_cast<std::size_t>(index)].kind != kind) continue;
        if (seen == i) return index;
        ++seen;
    }
    return -1;
}

PostIt* PostItHolder::nthOfKind(Kind kind, int i) const {
    const int index = indexOfNth(kind, i);
    return index < 0 ? nullptr : entries_[static_cast<std::size_t>(index)].record.get();
}

bool PostItHolder::removeNthOfKind(Kind kind, int i) {
    const int index = indexOfNth(kind, i);
    if (index < 0) return false;
    for (int k = index; k + 1 < count_; ++k)
        entries_[static_cast<std::size_t>(k)] =
            std::move(entries_[static_cast<std::size_t>(k) + 1]);
    entries_[static_cast<std::size_t>(count_ - 1)] = SpecificPostIt{};
    --count_;
    --kindCount_[static_cast<std::size_t>(kind)];
    return true;
}

bool PostItHolder::addAttached(std::unique_ptr<PostIt> record, std::unique_ptr<PostItAttr> attr) {
    if (!attr) return false;
    PostIt* added = record.get();
    return add(std::move(record)) && attach(std::move(attr), added);
}

bool PostItHolder::attach(std::unique_ptr<PostItAttr> attr, PostIt* record) {
    if (!attr || !record) return false;
    for (int index = 0; index < count_; ++index) {
        SpecificPostIt& entry = entries_[static_cast<std::size_t>(index)];
        if (entry.record.get() != record) continue;
        attr->record = record;
        entry.attr = std::move(attr);
        return true;
    }
    return false;
}

PostItAttr* PostItHolder::attrOf(const PostIt* record) const {
    if (!record) return nullptr;
    for (int index = 0; index < count_; ++index) {
        const SpecificPostIt& entry = entries_[static_cast<std::size_t>(index)];
        if (entry.record.get() == record) return entry.attr.get();
    }
    return nullptr;
}

PostItAttr* PostItHolder::attrAt(int i) const {
    if (i < 0 || i >= count_) return nullptr;
    return entries_[static_cast<std::size_t>(i)].attr.get();
}

PostIt* PostItHolder::recordAt(int i) const {
    if (i < 0 || i >= count_) return nullptr;
    return entries_[static_cast<std::size_t>(i)].record.get();
}

Kind PostItHolder::kindAt(int i) const {
    if (i < 0 || i >= count_) return KindNone;
    return entries_[static_cast<std::size_t>(i)].kind;
}

int PostItHolder::ordinalOf(const PostIt* record) const {
    if (!record) return -1;
    int seen = 0;
    for (int index = 0; index < count_; ++index) {
        const SpecificPostIt& entry = entries_[static_cast<std::size_t>(index)];
        if (entry.kind != record->kind()) continue;
        if (entry.record.get() == record) return seen;
        ++seen;
    }
    return -1;
}
