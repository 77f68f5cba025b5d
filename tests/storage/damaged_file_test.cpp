// Old layouts and files that do not read cleanly: nothing crashes, nothing read before the
// damage is lost, and the original bytes are kept aside before they are replaced.
#include "model/catalogue.h"
#include "storage_fixture.h"

namespace {

FileBytes oldFile(int version, int notes, int lendings, int reminders, int positions) {
    FileBytes f;
    f.i16(version).i16(positions);
    for (int i = 0; i < positions; ++i)
        f.i16(10 * i + 1).i16(-(10 * i + 2));
    f.i16(notes);
    for (int i = 0; i < notes; ++i)
        f.string("note " + std::to_string(i)).flag(i % 2 == 0);
    f.i16(lendings);
    for (int i = 0; i < lendings; ++i) {
        f.string("pen").flag(true).raw("June 3, 1997").i16(10).flag(true).flag(false).flag(true);
        f.string("Carl");
    }
    f.i16(reminders);
    for (int i = 0; i < reminders; ++i)
        f.string("birthday").flag(false).raw("July 4, 1997").i16(3).flag(true).flag(true);
    f.optionsUpToScrollBar(FileBytes::defaultFont());
    if (version == 2) f.string("/old/ding.wav").i16(8);
    return f;
}

} // namespace

class OldLayout : public StorageTest, public ::testing::WithParamInterface<int> {};

TEST_P(OldLayout, AsksFirstAndPlacesRecordsInListOrder) {
    const int version = GetParam();
    const FileBytes file = oldFile(version, 2, 1, 1, 4);
    writeFile(file.bytes);
    Options read = options;
    DataFile data(path);
    const LoadResult result = data.load(holder, answers);
    data.readOptions(read);
    ASSERT_EQ(result.status, LoadStatus::Loaded) << result.problem;
    EXPECT_EQ(answers.asked, 1);
    ASSERT_EQ(holder.count(), 4);
    EXPECT_EQ(holder.note(0)->displayState(), Shown);
    EXPECT_TRUE(holder.note(0)->active());
    EXPECT_FALSE(holder.note(1)->active());
    EXPECT_EQ(holder.lending(0)->displayState(), Hidden);
    EXPECT_EQ(holder.lending(0)->person(), "Carl");
    EXPECT_EQ(holder.lending(0)->date(), makeDate(3, 6, 1997));
    EXPECT_EQ(holder.reminder(0)->date(), makeDate(4, 7, 1997));
    EXPECT_TRUE(holder.reminder(0)->sound());
    // Notes first, then lendings, then reminders take the table's pairs in turn.
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(holder.attrAt(i)->x, 10 * i + 1);
        EXPECT_EQ(holder.attrAt(i)->y, -(10 * i + 2));
    }
    EXPECT_EQ(read.waveFile, version == 2 ? "/old/ding.wav" : options.waveFile);
    EXPECT_EQ(read.heightInLines, version == 2 ? 8 : 5);

    ASSERT_TRUE(data.save(holder, read).ok());
    EXPECT_EQ(readFile()[0], 4);
    EXPECT_EQ(readFile(data.backupPath()), file.bytes);
}

INSTANTIATE_TEST_SUITE_P(, OldLayout, ::testing::Values(0, 1, 2),
                         [](const auto& test) { return "Version" + std::to_string(test.param); });

TEST_F(StorageTest, OldLayoutWithShortPositionTableUsesTheUsualPlaces) {
    writeFile(oldFile(1, 2, 0, 0, 1).bytes);
    ASSERT_EQ(DataFile(path).load(holder, answers).status, LoadStatus::Loaded);
    EXPECT_EQ(holder.attrAt(0)->x, 1);
    EXPECT_EQ(holder.attrAt(1)->x, 30);

    // A table longer than the list holds still places the records.
    PostItHolder back;
    writeFile(oldFile(1, 2, 0, 0, 300).bytes);
    EXPECT_EQ(DataFile(path).load(back, answers).status, LoadStatus::Damaged);
    ASSERT_EQ(back.count(), 2);
    EXPECT_EQ(back.attrAt(1)->x, 11);
}

TEST_F(StorageTest, DecliningTheOldFileEndsWithStatusZeroAndTouchesNothing) {
    const FileBytes file = oldFile(2, 1, 0, 0, 1);
    writeFile(file.bytes);
    DataFile data(path);
    ScriptedAnswers decline(false);
    const LoadResult result = data.load(holder, decline);
    EXPECT_EQ(result.status, LoadStatus::Declined);
    EXPECT_TRUE(result.mustExit());
    EXPECT_EQ(result.exitStatus(), 0);
    EXPECT_EQ(holder.count(), 0);
    EXPECT_EQ(readFile(), file.bytes);
}

TEST_F(StorageTest, AnOldFileTooFullForTheListFailsWithItsListsMessage) {
    const struct {
        int notes, lendings, reminders;
        const char* message;
    } cases[] = {
        {257, 0, 0, msg::OldFileWrongNotes},
        {256, 1, 0, msg::OldFileWrongLending},
        {200, 56, 1, msg::OldFileWrongReminders},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        writeFile(oldFile(0, c.notes, c.lendings, c.reminders, 0).bytes);
        PostItHolder back;
        DataFile data(path);
        const LoadResult result = data.load(back, answers);
        EXPECT_EQ(result.status, LoadStatus::OldFileFailed);
        EXPECT_EQ(result.exitStatus(), 1);
        EXPECT_EQ(result.problem, c.message);
    }
}

TEST_F(StorageTest, EveryCutShortFileLoadsWhatCameBeforeTheCutAndIsReportedDamaged) {
    FileBytes f;
    f.i16(4).i16(3);
    f.i16(1).string("first").i16(3).flag(true).i16(1).i16(2);
    f.i16(2).string("book").i16(1).flag(true).raw("January 5, 1998").i16(50);
    f.flag(true).flag(true).flag(true).string("Ann").i16(3).i16(4);
    f.i16(3).string("dentist").i16(1).flag(false).raw("March 22, 1999").i16(1072);
    f.flag(false).flag(true).i16(5).i16(6);
    f.optionsUpToScrollBar(FileBytes::defaultFont()).string("/w.wav").i16(7).flag(false);
    f.i32(0x123456);
    const std::size_t firstEntryEnd = 4 + 2 + 7 + 2 + 1 + 4;
    for (std::size_t length = 0; length < f.bytes.size(); ++length) {
        SCOPED_TRACE(length);
        writeFile({f.bytes.begin(), f.bytes.begin() + static_cast<std::ptrdiff_t>(length)});
        PostItHolder back;
        Options read = options;
        DataFile data(path);
        const LoadResult result = data.load(back, answers);
        const bool optionsWhole = data.readOptions(read);
        ASSERT_TRUE(result.status == LoadStatus::Damaged || !optionsWhole);
        if (length < 2) {
            EXPECT_EQ(answers.asked, 0); // no version: not taken for an old file
        }
        if (length >= firstEntryEnd) {
            ASSERT_GE(back.count(), 1);
        }
        for (int i = 0; i < back.count(); ++i)
            ASSERT_NE(back.attrAt(i), nullptr);
    }
    // The first save keeps the damaged original beside the new file.
    const std::vector<std::uint8_t> cut(f.bytes.begin(), f.bytes.begin() + 40);
    writeFile(cut);
    DataFile data(path);
    ASSERT_EQ(data.load(holder, answers).status, LoadStatus::Damaged);
    ASSERT_TRUE(data.save(holder, options).ok());
    EXPECT_EQ(readFile(data.backupPath()), cut);
    ASSERT_TRUE(data.save(holder, options).ok()); // only the first save makes the backup
    EXPECT_EQ(readFile(data.backupPath()), cut);
}

// A version-4 file whose records go wrong after a good note: the reader stops at the damage
// and keeps what came before, or, for a count beyond what the list holds, places what it can
// and reads on to the options.
namespace {

struct Damage {
    const char* name;
    int count;                   // the records the file says it holds
    void (*after)(FileBytes& f); // what follows the first note (none where count <= 0)
    int kept;                    // records read
    bool optionsAfter;           // the options block follows, and is read whole
    std::size_t at = 0;          // where the damage starts, where it matters
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.name;
}

void goodNote(FileBytes& f) {
    f.i16(1).string("kept").i16(3).flag(true).i16(0).i16(0);
}
void reminderOn(FileBytes& f, const char* date) {
    f.i16(3).string("r").i16(1).flag(false).raw(date).i16(0).flag(false).flag(false).i16(0).i16(0);
}
void unknownKind(FileBytes& f) {
    f.i16(9).string("?").i16(3).flag(true).i16(0).i16(0);
}
void badDate(FileBytes& f) {
    reminderOn(f, "Smarch 40, 1998");
}
void impossibleDay(FileBytes& f) {
    reminderOn(f, "February 30, 1998");
}
// Day 0 in another form than the writer's own "January 0, 0000" is no "no date".
void dayZero(FileBytes& f) {
    f.i16(2).string("pen").i16(1).flag(false).raw("March 0, 2000").i16(0);
    f.flag(true).flag(false).flag(true).string("Ann").i16(0).i16(0);
}
void notesUpTo300(FileBytes& f) {
    for (int i = 1; i < 300; ++i)
        goodNote(f);
}
void nothing(FileBytes&) {}

const std::size_t kSecondRecord = 4 + 15;
const Damage kDamages[] = {
    {"UnknownKind", 2, unknownKind, 1, false},
    {"BadDate", 2, badDate, 1, false},
    {"ImpossibleDay", 2, impossibleDay, 1, false},
    {"DayZero", 2, dayZero, 1, false, kSecondRecord + 10}, // the byte where the date starts
    {"TooMany", 300, notesUpTo300, kHolderCapacity, false},
    {"NegativeCount", -4, nothing, 0, false},
    {"TooManyThenOptions", 300, notesUpTo300, kHolderCapacity, true},
    {"NegativeCountThenOptions", -3, nothing, 0, true},
};

} // namespace

class DamagedFile : public StorageTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedFile, StopsReadingButKeepsWhatCameBefore) {
    const Damage& damage = GetParam();
    FileBytes f;
    f.i16(4).i16(damage.count);
    if (damage.count > 0) goodNote(f);
    damage.after(f);
    if (damage.optionsAfter) {
        f.optionsUpToScrollBar(FileBytes::defaultFont()).string("/kept.wav").i16(9);
        f.flag(false).i32(0x123456);
    }
    writeFile(f.bytes);
    DataFile data(path);
    const LoadResult result = data.load(holder, answers);
    EXPECT_EQ(result.status, LoadStatus::Damaged);
    EXPECT_FALSE(result.problem.empty());
    EXPECT_FALSE(result.mustExit());
    ASSERT_EQ(holder.count(), damage.kept);
    if (damage.kept > 0) {
        EXPECT_EQ(holder.note(0)->text(), "kept");
    }
    if (damage.at > 0) {
        EXPECT_EQ(data.damage().at, damage.at);
    }
    Options read = options;
    EXPECT_EQ(data.readOptions(read), damage.optionsAfter);
    if (damage.optionsAfter) {
        EXPECT_EQ(read.waveFile, "/kept.wav");
        EXPECT_EQ(read.titleBarColor, 0x123456u);
    } else {
        EXPECT_EQ(read, options);
    }
}

INSTANTIATE_TEST_SUITE_P(, DamagedFile, ::testing::ValuesIn(kDamages),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(StorageTest, OverlongTextsAreCutToTheirFields) {
    FileBytes f;
    f.i16(4).i16(2);
    f.i16(1).string(std::string(300, 'n')).i16(3).flag(true).i16(0).i16(0);
    f.i16(2).string("x").i16(1).flag(false).raw("May 1, 2001").i16(0).flag(false).flag(false);
    f.flag(false).string(std::string(80, 'p')).i16(0).i16(0);
    f.optionsUpToScrollBar(FileBytes::defaultFont()).string(std::string(400, 'w')).i16(5);
    f.flag(true).i32(0);
    writeFile(f.bytes);
    DataFile data(path);
    const LoadResult result = data.load(holder, answers);
    EXPECT_EQ(result.status, LoadStatus::Damaged);
    EXPECT_EQ(holder.note(0)->text(), std::string(255, 'n'));
    EXPECT_EQ(holder.lending(0)->person(), std::string(49, 'p'));
    data.readOptions(options);
    EXPECT_EQ(options.waveFile, std::string(255, 'w'));
    EXPECT_EQ(options.heightInLines, 5); // the block is read on past the cut text
}

TEST_F(StorageTest, OutOfRangeOptionsAreBroughtIntoRange) {
    FileBytes f;
    f.i16(4).i16(0);
    f.i32(0).i32(0).font(FileBytes::defaultFont()).i16(-7).i16(9999).flag(false).i16(17);
    f.flag(false).string("").i16(0).flag(true).i32(0);
    writeFile(f.bytes);
    DataFile data(path);
    loadAll(data);
    EXPECT_EQ(options.reminderDaysBefore, 0);
    EXPECT_EQ(options.lendingDaysAfter, 1825);
    EXPECT_EQ(options.dimensionMode, DimensionFixed);
    EXPECT_EQ(options.heightInLines, 1);
}

TEST_F(StorageTest, AFileFromALaterVersionIsAskedAboutAndKeptAsideBeforeItIsReplaced) {
    FileBytes f;
    f.i16(5).i16(1);
    f.i16(1).string("kept").i16(3).flag(true).i16(0).i16(0);
    f.optionsUpToScrollBar(FileBytes::defaultFont()).string("").i16(5).flag(true).i32(0);
    f.raw("future data");
    writeFile(f.bytes);
    ScriptedAnswers decline(false);
    EXPECT_EQ(DataFile(path).load(holder, decline).status, LoadStatus::Declined);
    EXPECT_EQ(decline.asked, 1);
    DataFile data(path);
    EXPECT_EQ(loadAll(data).status, LoadStatus::Loaded);
    EXPECT_EQ(answers.asked, 1);
    EXPECT_EQ(holder.note(0)->text(), "kept");
    ASSERT_TRUE(data.save(holder, options).ok());
    EXPECT_EQ(readFile(data.backupPath()), f.bytes);
}

TEST_F(StorageTest, BytesAfterTheOptionsAreDamageAndKeptAside) {
    FileBytes f = oldFile(0, 1, 0, 0, 1); // the same in every version
    const std::size_t end = f.bytes.size();
    f.raw("more");
    writeFile(f.bytes);
    Options read = options;
    DataFile data(path);
    EXPECT_EQ(data.load(holder, answers).status, LoadStatus::Damaged);
    EXPECT_TRUE(data.readOptions(read)) << "the options themselves read whole";
    EXPECT_EQ(data.damage().at, end);
    ASSERT_TRUE(data.save(holder, read).ok());
    EXPECT_EQ(readFile(data.backupPath()), f.bytes);
}
