#include "model/catalogue.h"
#include "storage_fixture.h"

// Reads the version the file was read as (4 before any load and when there was no file).
struct DataFileTestPeer {
    static int fileVersion(const DataFile& data) { return data.version_; }
};

namespace {

std::vector<std::uint8_t> chosenFont() {
    std::vector<std::uint8_t> record(60, 0);
    record[0] = 0xF3; // height -13
    record[1] = record[2] = record[3] = 0xFF;
    record[16] = 0xBC; // weight 700
    record[17] = 0x02;
    record[20] = 1; // italic
    const std::string face = "Liberation Sans";
    std::copy(face.begin(), face.end(), record.begin() + 28);
    record[58] = 0x7A; // bytes after the face's end are kept too
    return record;
}

// A version-4 file as Quillbox writes it; lendings and reminders carry state 1 (Hidden), the
// state they come back with.
FileBytes versionFourFile() {
    FileBytes f;
    f.i16(4).i16(5);
    f.i16(1).string("Buy milk").i16(3).flag(true).i16(-20).i16(-5);
    f.i16(1).string("caf\xE9 old text").i16(1).flag(false).i16(100).i16(200);
    f.i16(2).string("book").i16(1).flag(true).raw("January 5, 1998").i16(50);
    f.flag(true).flag(true).flag(true).string("Ann").i16(300).i16(10);
    f.i16(3).string("dentist").i16(1).flag(false).raw("March 22, 1999").i16(1072);
    f.flag(false).flag(true).i16(400).i16(20);
    f.i16(2).string("ladder").i16(1).flag(false).raw("December 31, 2001").i16(1584);
    f.flag(false).flag(false).flag(false).string("Bob").i16(-32768).i16(32767);
    f.i32(0x00C0FFEE).i32(0x00102030).font(chosenFont()).i16(3).i16(45).flag(true).i16(2);
    f.flag(true).string("/home/u/ding.wav").i16(7).flag(false).i32(0x00336699);
    return f;
}

} // namespace

TEST_F(StorageTest, VersionFourReadAndSavedUnchangedKeepsEveryByte) {
    const FileBytes file = versionFourFile();
    writeFile(file.bytes);
    DataFile data(path);
    ScriptedAnswers answers;
    const LoadResult result = loadAll(data, answers);
    ASSERT_EQ(result.status, LoadStatus::Loaded) << result.problem;
    EXPECT_EQ(answers.asked, 0);

    ASSERT_EQ(holder.count(), 5);
    EXPECT_EQ(holder.noteCount(), 2);
    EXPECT_EQ(holder.lendingCount(), 2);
    EXPECT_EQ(holder.reminderCount(), 1);
    EXPECT_EQ(holder.note(0)->text(), "Buy milk");
    EXPECT_EQ(holder.note(0)->displayState(), Shown);
    EXPECT_EQ(holder.attrAt(0)->x, -20);
    EXPECT_EQ(holder.attrAt(0)->record, holder.note(0));
    const Prestito* lent = holder.lending(0);
    EXPECT_EQ(lent->date(), makeDate(5, 1, 1998));
    EXPECT_EQ(lent->daysAfter(), 50);
    EXPECT_TRUE(lent->iOwe());
    EXPECT_TRUE(lent->sound());
    EXPECT_EQ(lent->person(), "Ann");
    EXPECT_EQ(holder.reminder(0)->daysBefore(), 1072);
    EXPECT_EQ(holder.reminder(0)->date(), makeDate(22, 3, 1999));
    EXPECT_EQ(holder.lending(1)->date(), makeDate(31, 12, 2001));
    EXPECT_EQ(holder.lending(1)->daysAfter(), 1584);

    EXPECT_EQ(options.stickumColor, 0x00C0FFEEu);
    ASSERT_TRUE(options.stickumFont.has_value());
    EXPECT_EQ(options.stickumFont->height, -13);
    EXPECT_EQ(options.stickumFont->weight, 700);
    EXPECT_EQ(options.stickumFont->face(), "Liberation Sans");
    EXPECT_EQ(options.dimensionMode, DimensionModifiable);
    EXPECT_EQ(options.waveFile, "/home/u/ding.wav");
    EXPECT_EQ(options.heightInLines, 7);
    EXPECT_FALSE(options.defaultCaptionColor);
    EXPECT_EQ(options.titleBarColor, 0x00336699u);

    ASSERT_TRUE(data.save(holder, options).ok());
    EXPECT_EQ(readFile(), file.bytes);
    EXPECT_FALSE(std::filesystem::exists(data.backupPath()));
}

TEST_F(StorageTest, LendingsAndRemindersComeBackHiddenNotesKeepTheirState) {
    FileBytes f;
    f.i16(4).i16(3);
    f.i16(1).string("hidden note").i16(1).flag(false).i16(0).i16(0);
    f.i16(2).string("x").i16(3).flag(true).raw("May 1, 2020").i16(0);
    f.flag(true).flag(false).flag(false).string("P").i16(0).i16(0);
    f.i16(3).string("y").i16(2).flag(false).raw("May 2, 2020").i16(0).flag(true).flag(false);
    f.i16(0).i16(0);
    f.optionsUpToScrollBar(FileBytes::defaultFont()).string("").i16(5).flag(true).i32(0);
    writeFile(f.bytes);
    DataFile data(path);
    ScriptedAnswers answers;
    ASSERT_EQ(loadAll(data, answers).status, LoadStatus::Loaded);
    EXPECT_EQ(holder.note(0)->displayState(), Hidden);
    EXPECT_EQ(holder.lending(0)->displayState(), Hidden);
    EXPECT_EQ(holder.reminder(0)->displayState(), Hidden);
    // The second copy of the armed flag wins.
    EXPECT_TRUE(holder.reminder(0)->active());
}

TEST_F(StorageTest, NoFileIsAFirstRunAndTheFirstSaveWritesVersionFour) {
    DataFile data(path);
    ScriptedAnswers answers;
    const Options before = options;
    const LoadResult result = loadAll(data, answers);
    EXPECT_EQ(result.status, LoadStatus::NoFile);
    EXPECT_EQ(holder.count(), 0);
    EXPECT_EQ(options, before);

    addNote(holder, "hello");
    ASSERT_TRUE(data.save(holder, options).ok());

    FileBytes expected;
    expected.i16(4).i16(1).i16(1).string("hello").i16(3).flag(false).i16(50).i16(50);
    expected.optionsUpToScrollBar(FileBytes::defaultFont());
    expected.string("/usr/share/quillbox/ding.wav").i16(5).flag(true).i32(rgb(10, 20, 30));
    EXPECT_EQ(readFile(), expected.bytes);
}

TEST_F(StorageTest, VersionThreeLeavesTheLastTwoOptionsAtTheirDefaults) {
    FileBytes f;
    f.i16(3).i16(1).i16(1).string("v3").i16(3).flag(true).i16(5).i16(6);
    f.optionsUpToScrollBar(FileBytes::defaultFont()).string("/w.wav").i16(9);
    writeFile(f.bytes);
    DataFile data(path);
    ScriptedAnswers answers;
    ASSERT_EQ(loadAll(data, answers).status, LoadStatus::Loaded);
    EXPECT_EQ(DataFileTestPeer::fileVersion(data), 3);
    EXPECT_EQ(options.heightInLines, 9);
    EXPECT_EQ(options.waveFile, "/w.wav");
    EXPECT_TRUE(options.defaultCaptionColor);
    EXPECT_EQ(options.titleBarColor, rgb(10, 20, 30));
    ASSERT_TRUE(data.save(holder, options).ok());
    EXPECT_EQ(readFile()[0], 4);
}

TEST_F(StorageTest, AFailedSaveSaysWhyAndLeavesTheOldFileAlone) {
    // A directory where the file should be: nothing can replace it.
    std::filesystem::create_directory(path);
    std::filesystem::create_directory(path + "/inside");
    DataFile data(path);
    const Result result = data.save(holder, options);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.why().find(path), std::string::npos) << result.why();
    EXPECT_TRUE(std::filesystem::is_directory(path + "/inside"));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir),
                            std::filesystem::directory_iterator()),
              1);

    DataFile nowhere((dir / "missing" / "quillbox.dat").string());
    EXPECT_FALSE(nowhere.save(holder, options).ok());
}

TEST_F(StorageTest, DatesRoundTripWhateverTheDayCountAfterThem) {
    // Every first and last day of every four-digit year, with day counts whose low byte is a
    // digit, then read back.
    auto lending = std::make_unique<Prestito>();
    Prestito* record = lending.get();
    holder.addAttached(std::move(lending));
    DataFile data(path);
    for (int year = 1000; year <= 9999; year += 7) {
        for (const Date date : {makeDate(1, 1, year), makeDate(31, 12, year)}) {
            record->setDate(date);
            record->setDaysAfter(static_cast<std::int16_t>(48 + year % 10));
            ASSERT_TRUE(data.save(holder, options).ok());
            PostItHolder back;
            DataFile reread(path);
            ScriptedAnswers answers;
            ASSERT_EQ(reread.load(back, answers).status, LoadStatus::Loaded) << year;
            ASSERT_EQ(back.lending(0)->date(), date) << year;
            ASSERT_EQ(back.lending(0)->daysAfter(), 48 + year % 10);
        }
    }
}

TEST_F(StorageTest, ARecordWithoutADateStaysReadable) {
    auto reminder = std::make_unique<Appointement>();
    reminder->setDate(kNoDate);
    reminder->setDaysBefore(50);
    holder.addAttached(std::move(reminder));
    DataFile data(path);
    ASSERT_TRUE(data.save(holder, options).ok());
    PostItHolder back;
    DataFile reread(path);
    ScriptedAnswers answers;
    ASSERT_EQ(reread.load(back, answers).status, LoadStatus::Loaded);
    EXPECT_EQ(back.reminder(0)->date(), kNoDate);
    EXPECT_EQ(back.reminder(0)->daysBefore(), 50);
    EXPECT_TRUE(reread.readOptions(options));
}

TEST_F(StorageTest, TheReaderAlsoTakesNumericAndDayFirstDates) {
    const std::pair<const char*, Date> forms[] = {
        {"January 5, 1998", makeDate(5, 1, 1998)}, {"1 5, 1998", makeDate(5, 1, 1998)},
        {"5 January 1998", makeDate(5, 1, 1998)},  {"12/31/2001", makeDate(31, 12, 2001)},
        {"March 1, 99", makeDate(1, 3, 1999)},     {"  june 30, 2024", makeDate(30, 6, 2024)},
    };
    for (const auto& [text, expected] : forms) {
        FileBytes f;
        f.i16(4).i16(1).i16(3).string("r").i16(1).flag(false).raw(text).i16(0x0A0A);
        f.flag(true).flag(false).i16(1).i16(2);
        f.optionsUpToScrollBar(FileBytes::defaultFont()).string("").i16(5).flag(true).i32(0);
        writeFile(f.bytes);
        PostItHolder back;
        DataFile data(path);
        ScriptedAnswers answers;
        ASSERT_EQ(data.load(back, answers).status, LoadStatus::Loaded) << text;
        EXPECT_EQ(back.reminder(0)->date(), expected) << text;
        EXPECT_EQ(back.reminder(0)->daysBefore(), 0x0A0A) << text;
        EXPECT_TRUE(back.reminder(0)->active()) << text;
    }
}
