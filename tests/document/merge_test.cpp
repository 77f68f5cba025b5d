// The rules of merging two versions of the data file record by record against the version they
// both come from, and the names of the conflict copies that sync tools leave.
#include "document/conflictcopies.h"
#include "document/recordmerge.h"
#include "storage/datafile.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

namespace {

// A version's notes as the table writes them: "milk, tea@5,5", a place other than 10,10 after
// the @.
Version versionOf(const char* notes) {
    Version version;
    for (const QString& line : QString::fromUtf8(notes).split(QStringLiteral(", "))) {
        const QStringList place = (line + "@10,10").section(u'@', 1, 1).split(u',');
        Note note;
        note.setText(line.section(u'@', 0, 0).toStdString());
        note.setActive(true);
        version.push_back({KindNote, encodeRecord(note), place[0].toShort(), place[1].toShort()});
    }
    return version;
}

struct MergeCase {
    const char* name;
    const char* base; // nullptr: no common version is known
    const char* mine;
    const char* theirs;
    const char* merged;
    int cameIn; // notes new to this side
    int went;   // notes of this side taken away
};

void PrintTo(const MergeCase& c, std::ostream* out) {
    *out << c.name;
}

class MergeRules : public ::testing::TestWithParam<MergeCase> {};

TEST_P(MergeRules, GiveTheRecordsAndPlacesOfBothSides) {
    const MergeCase& c = GetParam();
    const Version base = c.base ? versionOf(c.base) : Version{};
    const Version mine = versionOf(c.mine);
    const Version theirs = versionOf(c.theirs);
    const RecordMerge merge = mergeRecords(c.base ? &base : nullptr, mine, theirs);
    QStringList merged;
    for (const MergePick& pick : merge.picks) {
        const MergeEntry& entry = (pick.side == MergeSide::Mine ? mine : theirs)[pick.index];
        const QString text = QString::fromStdString(decodeRecord(entry.kind, entry.record)->text());
        merged << (pick.x == 10 && pick.y == 10
                       ? text
                       : QStringLiteral("%1@%2,%3").arg(text).arg(pick.x).arg(pick.y));
    }
    EXPECT_EQ(merged.join(QStringLiteral(", ")).toStdString(), c.merged);
    EXPECT_EQ(merge.fromTheirs.added[KindNote], c.cameIn);
    EXPECT_EQ(merge.fromTheirs.removed[KindNote], c.went);
}

const MergeCase kMergeCases[] = {
    {"AddedOnEitherSideIsKept", "milk", "milk, bread", "milk, tea", "milk, bread, tea", 1, 0},
    {"TheSameAdditionOnBothSidesIsMadeOnce", "milk", "milk, tea", "milk, tea", "milk, tea", 0, 0},
    {"RemovedHereAndUntouchedThereGoes", "milk, bread", "milk", "milk, bread", "milk", 0, 0},
    {"RemovedThereAndUntouchedHereGoes", "milk, bread", "milk, bread", "milk", "milk", 0, 1},
    {"ChangedOnBothSidesBothAreKept", "milk", "milk and eggs", "milk and tea",
     "milk and eggs, milk and tea", 1, 0},
    {"ChangedThereAndUntouchedHereTakesTheChange", "milk, bread", "milk, bread", "milk, rye bread",
     "milk, rye bread", 1, 1},
    {"RemovedHereAndChangedThereKeepsTheChange", "milk, bread", "milk", "milk, rye bread",
     "milk, rye bread", 1, 0},
    {"WithoutABaseNothingIsTakenAway", nullptr, "milk, jam", "milk, tea", "milk, jam, tea", 1, 0},
    {"OneOfTwoEqualNotesRemovedHereGoes", "milk, milk", "milk", "milk, milk", "milk", 0, 0},
    {"APlaceMovedHereIsKept", "milk@1,1", "milk@5,5", "milk@1,1", "milk@5,5", 0, 0},
    {"APlaceMovedThereIsTaken", "milk@1,1", "milk@1,1", "milk@7,7", "milk@7,7", 0, 0},
    {"APlaceMovedOnBothSidesIsThisSides", "milk@1,1", "milk@5,5", "milk@7,7", "milk@5,5", 0, 0},
};

INSTANTIATE_TEST_SUITE_P(, MergeRules, ::testing::ValuesIn(kMergeCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(MergeOptions, EachOptionIsTheirsUnlessChangedHere) {
    Options base;
    Options mine = base;
    Options theirs = base;
    mine.stickumColor = rgb(0, 255, 0);
    theirs.lendingDaysAfter = 12;
    theirs.stickumColor = rgb(0, 0, 255);
    mine.waveFile = "/here.wav";
    const Options merged = mergeOptions(base, mine, theirs);
    EXPECT_EQ(merged.stickumColor, rgb(0, 255, 0));
    EXPECT_EQ(merged.lendingDaysAfter, 12);
    EXPECT_EQ(merged.waveFile, "/here.wav");
}

TEST(ConflictCopyNames, AreKnownByTheirMarks) {
    for (const char* copy : {"quillbox.sync-conflict-20261207-101500-ABCDEFG.dat",
                             "quillbox (conflicted copy 2026-12-07 101500).dat",
                             "quillbox_conflict-20261207-101500.dat",
                             "quillbox (Ann's conflicted copy 2026-12-07).dat",
                             "quillbox.dat.conflict-laptop-20261207-101500"})
        EXPECT_TRUE(isConflictCopyName(QString::fromUtf8(copy), "quillbox.dat")) << copy;
    for (const char* other : {"quillbox.dat", "quillbox.dat.bak", ".quillbox.dat.tmp-a1B2c3",
                              ".syncthing.quillbox.dat.tmp", "quillbox (copy).dat",
                              "notes.sync-conflict-20261207-101500-ABCDEFG.dat"})
        EXPECT_FALSE(isConflictCopyName(QString::fromUtf8(other), "quillbox.dat")) << other;
}

} // namespace
