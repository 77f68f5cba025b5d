#pragma once

#include "model/postit.h"
#include "model/windowhandle.h"

#include <array>
#include <cstdint>
#include <memory>
#include <utility>

// The live Stickum of an entry, as the record list sees it: where it stands now, which is not
// always where it is kept.
class StickumView {
public:
    virtual ~StickumView() = default;
    // Left and top edges of the Stickum's outer frame on the screen.
    virtual int frameX() const = 0;
    virtual int frameY() const = 0;
    // Whether it is on the screen now: only then does where it stands say anything (a hidden
    // Stickum, or one gone with the window it is pinned to, keeps the recorded position).
    virtual bool onScreen() const = 0;
};

// Where an entry's Stickum is kept and whom it belongs to.
class PostItAttr {
public:
    // The Stickum's kept place: where the user last put it. Saved. The list's newAttr() says
    // where new ones stand.
    std::int16_t x = 30;
    std::int16_t y = 30;
    StickumView* window = nullptr; // the live Stickum, not saved
    WindowHandle target = 0;       // the window the Stickum is pinned to, not saved
    PostIt* record = nullptr;      // back-link, set by PostItHolder::attach
};

// One entry of the record list.
struct SpecificPostIt {
    std::unique_ptr<PostIt> record;
    std::unique_ptr<PostItAttr> attr;
    Kind kind = KindNone;
};

inline constexpr int kHolderCapacity = 256;

// The one list of all records, of every kind, in insertion order. Its 256 places are shared by
// all kinds; pages address a record by its ordinal among the records of its kind.
class PostItHolder {
public:
    PostItHolder() = default;
    PostItHolder(const PostItHolder&) = delete;
    PostItHolder& operator=(const PostItHolder&) = delete;

    // Adds the record as one of its kind. False when the list is full; the record is then
    // destroyed.
    bool add(std::unique_ptr<PostIt> record);
    bool addNote(std::unique_ptr<Note> note) { return add(std::move(note)); }
    bool addLending(std::unique_ptr<Prestito> lending) { return add(std::move(lending)); }
    bool addReminder(std::unique_ptr<Appointement> reminder) { return add(std::move(reminder)); }

    PostIt* nthOfKind(Kind kind, int i) const;
    Note* note(int i) const { return static_cast<Note*>(nthOfKind(KindNote, i)); }
    Prestito* lending(int i) const { return static_cast<Prestito*>(nthOfKind(KindLending, i)); }
    Appointement* reminder(int i) const {
        return static_cast<Appointement*>(nthOfKind(KindReminder, i));
    }

    // Removes the i-th record of the kind and its attributes; later entries move down a place.
    bool removeNthOfKind(Kind kind, int i);
    bool removeNote(int i) { return removeNthOfKind(KindNote, i); }
    bool removeLending(int i) { return removeNthOfKind(KindLending, i); }
    bool removeReminder(int i) { return removeNthOfKind(KindReminder, i); }

    // Adds the record with its attributes (fresh ones when none are given) in one step; false
    // when add() fails or there are no attributes, and the record is then destroyed.
    bool addAttached(std::unique_ptr<PostIt> record) {
        return addAttached(std::move(record), newAttr());
    }
    bool addAttached(std::unique_ptr<PostIt> record, std::unique_ptr<PostItAttr> attr);
    // Fresh attributes for an entry: the first the list makes stand at (50, 50), every later one
    // at (30, 30).
    std::unique_ptr<PostItAttr> newAttr();

    // Gives the attributes to the first entry holding the record; false when none holds it.
    bool attach(std::unique_ptr<PostItAttr> attr, PostIt* record);
    PostItAttr* attrOf(const PostIt* record) const;
    PostItAttr* attrAt(int i) const;
    PostIt* recordAt(int i) const;
    Kind kindAt(int i) const;
    // The ordinal of the record among the records of its kind, or -1.
    int ordinalOf(const PostIt* record) const;

    // Trades every entry with the other list: a data file read afresh takes the old one's place.
    // The first place is given once for both.
    void swapWith(PostItHolder& other) noexcept {
        entries_.swap(other.entries_);
        std::swap(count_, other.count_);
        kindCount_.swap(other.kindCount_);
        firstPlaceGiven_ = other.firstPlaceGiven_ = firstPlaceGiven_ || other.firstPlaceGiven_;
    }

    int count() const { return count_; }
    int noteCount() const { return kindCount_[KindNote]; }
    int lendingCount() const { return kindCount_[KindLending]; }
    int reminderCount() const { return kindCount_[KindReminder]; }
    int countOf(Kind kind) const;

private:
    int indexOfNth(Kind kind, int i) const;

    std::array<SpecificPostIt, kHolderCapacity> entries_;
    int count_ = 0;
    std::array<int, 4> kindCount_{};
    bool firstPlaceGiven_ = false;
};
