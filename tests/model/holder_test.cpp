#include "model/holder.h"

#include <gtest/gtest.h>

namespace {

template <typename Record> std::unique_ptr<Record> record(const char* text) {
    auto r = std::make_unique<Record>();
    r->setText(text);
    return r;
}
const auto note = record<Note>;
const auto lending = record<Prestito>;

class HolderTest : public ::testing::Test {
protected:
    PostItHolder holder;
};

} // namespace

TEST_F(HolderTest, NewRecordsStartWithTheirKindsDefaults) {
    Note n;
    EXPECT_EQ(n.displayState(), Shown);
    EXPECT_FALSE(n.active());
    EXPECT_TRUE(n.editable());
    Prestito l;
    EXPECT_EQ(l.displayState(), Hidden);
    EXPECT_EQ(l.date(), kNoDate); // until the page gives it today or the file its date
    EXPECT_FALSE(l.editable());
    EXPECT_EQ(Appointement().date(), kNoDate);
}

TEST_F(HolderTest, CapacityIsSharedByAllKinds) {
    for (int i = 0; i < kHolderCapacity; ++i) {
        const bool added = i % 3 == 0   ? holder.addNote(note("n"))
                           : i % 3 == 1 ? holder.addLending(lending("l"))
                                        : holder.addReminder(std::make_unique<Appointement>());
        ASSERT_TRUE(added) << i;
    }
    EXPECT_EQ(holder.count(), 256);
    EXPECT_EQ(holder.noteCount() + holder.lendingCount() + holder.reminderCount(), 256);
    EXPECT_FALSE(holder.addNote(note("one too many")));
    EXPECT_FALSE(holder.addLending(lending("one too many")));
    EXPECT_FALSE(holder.addReminder(std::make_unique<Appointement>()));
    EXPECT_EQ(holder.count(), 256);
}

TEST_F(HolderTest, RemovalShiftsAndKeepsTheOtherKindsOrdinals) {
    holder.addNote(note("first"));
    holder.addNote(note("second"));
    holder.addLending(lending("lent"));
    holder.addNote(note("third"));
    ASSERT_TRUE(holder.removeNote(1));
    EXPECT_EQ(holder.note(1)->text(), "third");
    EXPECT_EQ(holder.note(2), nullptr);
    EXPECT_EQ(holder.lending(0)->text(), "lent");
    EXPECT_EQ(holder.count(), 3);
    EXPECT_EQ(holder.noteCount(), 2);
    EXPECT_EQ(holder.kindAt(1), KindLending);
    EXPECT_EQ(holder.recordAt(3), nullptr);
    EXPECT_FALSE(holder.removeNote(2));
    EXPECT_FALSE(holder.removeLending(-1));
}

TEST_F(HolderTest, AddAttachedGivesTheRecordItsAttributesOrAddsNothing) {
    auto attr = std::make_unique<PostItAttr>();
    attr->x = 7;
    ASSERT_TRUE(holder.addAttached(note("a"), std::move(attr)));
    EXPECT_EQ(holder.attrOf(holder.note(0))->x, 7);
    EXPECT_EQ(holder.attrAt(0)->record, holder.note(0));
    EXPECT_FALSE(holder.addAttached(note("b"), nullptr));
    EXPECT_EQ(holder.count(), 1);
}

TEST_F(HolderTest, LookupsOutOfRangeAnswerNone) {
    holder.addNote(note("only notes"));
    EXPECT_EQ(holder.nthOfKind(KindLending, 0), nullptr);
    EXPECT_EQ(holder.note(-1), nullptr);
    EXPECT_EQ(holder.attrAt(-1), nullptr);
    EXPECT_EQ(holder.attrAt(1), nullptr);
}

TEST_F(HolderTest, AttributesFollowTheirRecordAndStartAt50Then30) {
    holder.addNote(note("a"));
    holder.addNote(note("b"));
    auto first = holder.newAttr();
    auto second = holder.newAttr();
    EXPECT_EQ(first->x, 50);
    EXPECT_EQ(first->y, 50);
    EXPECT_EQ(second->x, 30);
    EXPECT_EQ(holder.newAttr()->y, 30);
    PostItAttr* secondAttr = second.get();
    EXPECT_TRUE(holder.attach(std::move(second), holder.note(1)));
    EXPECT_EQ(secondAttr->record, holder.note(1));
    EXPECT_EQ(holder.attrOf(holder.note(1)), secondAttr);
    EXPECT_EQ(holder.attrAt(1), secondAttr);
    Note stranger;
    EXPECT_FALSE(holder.attach(std::move(first), &stranger));
    holder.removeNote(0);
    EXPECT_EQ(holder.attrAt(0), secondAttr);
    EXPECT_EQ(holder.ordinalOf(holder.note(0)), 0);
}
