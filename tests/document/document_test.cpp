// Keeping the data file: nothing is written that the user did not change, what another machine
// brings is taken up or merged, sync tools' conflict copies are merged once, and a save at the
// end that fails keeps the unsaved version for the next start.
#include "document/document.h"
#include "notefiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utility>

namespace {

using Notes = std::vector<std::string>;

std::string local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::vector<std::uint8_t> versionWith(const Notes& notes, const Options& options = {}) {
    PostItHolder holder;
    for (const std::string& text : notes)
        addNote(holder, text);
    return DataFile::encode(holder, options);
}

class DocumentTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("quillbox.dat")); }
    FileIdentity identity() const { return identityOf(local(path())); }

    // Quillbox's document on the data file, with the state folder of one machine.
    std::unique_ptr<Document> open(const QString& machine = QStringLiteral("here"),
                                   Document::Hooks hooks = {}) {
        auto document = std::make_unique<Document>(
            path(), Options{},
            StateFolder(path(), dir.filePath(QStringLiteral("state-") + machine)));
        document->setHooks(std::move(hooks));
        const auto questions = OldFileQuestions::answered(false);
        EXPECT_FALSE(document->load(questions).mustExit());
        return document;
    }
    void arrive(const std::vector<std::uint8_t>& bytes) {
        ASSERT_TRUE(::arrive(local(path()), bytes));
    }
    Notes notesIn(const QString& file) const { return ::notesIn(local(file)); }

    QTemporaryDir dir;
};

TEST_F(DocumentTest, NothingIsWrittenThatTheUserDidNotChange) {
    // Written on another desktop, whose caption colour the options follow; a lending in it.
    Options there;
    there.titleBarColor = rgb(1, 2, 3);
    PostItHolder holder;
    addNote(holder, "milk");
    holder.addAttached(std::make_unique<Prestito>());
    arrive(DataFile::encode(holder, there));
    const FileIdentity read = identity();

    Document::Hooks thisDesktop;
    thisDesktop.settle = [](Options& o) {
        if (!o.defaultCaptionColor || o.titleBarColor == rgb(9, 9, 9)) return false;
        o.titleBarColor = rgb(9, 9, 9);
        return true;
    };
    auto document = open(QStringLiteral("here"), thisDesktop);
    EXPECT_EQ(document->options().titleBarColor, rgb(9, 9, 9));
    document->records().lending(0)->setDisplayState(Due); // the date made it due
    SaveReport report = document->save();
    EXPECT_TRUE(report.ok());
    EXPECT_FALSE(report.written);
    report = document->save(Document::SaveKind::Final);
    EXPECT_FALSE(report.written);
    EXPECT_EQ(identity(), read) << "the file was replaced";

    // A change of the user's is written, with this desktop's values.
    document = open(QStringLiteral("here"), thisDesktop);
    document->records().note(0)->setText("milk and tea");
    ASSERT_TRUE(document->save().written);
    EXPECT_EQ(open(QStringLiteral("there"))->options().titleBarColor, rgb(9, 9, 9));
    EXPECT_EQ(notesIn(path()), (Notes{"milk and tea"}));
}

TEST_F(DocumentTest, AVersionThatCannotBeReadIsKeptAsAConflictCopyThatOtherMachinesAreToldOf) {
    arrive(versionWith({"milk"}));
    auto here = open();
    addNote(here->records(), "bread");
    std::vector<std::uint8_t> damaged = versionWith({"milk", "tea"});
    damaged.resize(damaged.size() / 2);
    arrive(damaged);
    const SaveReport report = here->save();
    ASSERT_TRUE(report.ok()) << report.result.why();
    ASSERT_FALSE(report.conflictCopy.empty());
    std::vector<std::uint8_t> kept;
    readWholeFile(report.conflictCopy, kept);
    EXPECT_EQ(kept, damaged);
    EXPECT_EQ(notesIn(path()), (Notes{"milk", "bread"}));

    // The other machine opens the file: it hears of the copy; this one, which kept it, does not.
    auto there = open(QStringLiteral("there"));
    QSignalSpy told(there.get(), &Document::reported);
    there->followDisk();
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0][0].value<SaveReport>().unreadableCopies,
              std::vector<std::string>{report.conflictCopy});
    QSignalSpy toldHere(here.get(), &Document::reported);
    here->followDisk();
    EXPECT_EQ(toldHere.size(), 0);
}

TEST_F(DocumentTest, AVersionPutInPlaceWhileTheSaveWritesIsMergedNotLost) {
    arrive(versionWith({"milk"}));
    auto document = open();
    addNote(document->records(), "bread");
    // Between the look at the file and the write, the sync tool brings another version.
    bool planted = false;
    document->setSaveStageHook([&](SaveStage) {
        if (!std::exchange(planted, true)) arrive(versionWith({"milk", "tea"}));
        return 0;
    });
    const SaveReport report = document->save();
    ASSERT_TRUE(report.ok()) << report.result.why();
    ASSERT_TRUE(planted);
    EXPECT_EQ(report.merged.size(), 1u);
    EXPECT_EQ(notesIn(path()), (Notes{"milk", "bread", "tea"}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"quillbox.dat"});
}

TEST_F(DocumentTest, ASyncToolsConflictCopyIsMergedOnceAndLeftWhereItIs) {
    arrive(versionWith({"milk"}));
    auto document = open();
    addNote(document->records(), "bread");
    ASSERT_TRUE(document->save().written);

    // Both machines changed the file while apart: the other machine's version won, and this
    // one's is kept beside it under the sync tool's name, with its time.
    const QString copy =
        dir.filePath(QStringLiteral("quillbox.sync-conflict-20261207-101500-ABC.dat"));
    ASSERT_TRUE(QFile::rename(path(), copy));
    arrive(versionWith({"milk", "tea"}));
    QSignalSpy told(document.get(), &Document::reported);
    document->followDisk();
    ASSERT_EQ(told.size(), 1);
    const auto report = told[0][0].value<SaveReport>();
    EXPECT_TRUE(report.written);
    ASSERT_EQ(report.merged.size(), 1u);
    EXPECT_EQ(report.merged[0].from, local(copy));
    EXPECT_EQ(report.merged[0].tally.added[KindNote], 1);
    EXPECT_EQ(notesIn(path()), (Notes{"milk", "tea", "bread"}));
    EXPECT_TRUE(QFile::exists(copy)) << "the user's file is never deleted";

    document->followDisk();
    document->records().note(0)->setText("milk, oat");
    EXPECT_TRUE(document->save().merged.empty()) << "merged once";
    EXPECT_EQ(told.size(), 1);
}

// (The rescue copy in the state folder, and the offer at the next start, are tried on the real
// program.)
TEST_F(DocumentTest, ARescueCopyThatTheStateFolderCannotTakeGoesToTheTemporaryFolder) {
    arrive(versionWith({"milk"}));
    QFile blocker(dir.filePath(QStringLiteral("state-blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    auto document = open(QStringLiteral("blocked"));
    addNote(document->records(), "jam");
    // Something the data file cannot replace has taken its place.
    QFile::remove(path());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("quillbox.dat/in the way")));
    const SaveReport failed = document->save(Document::SaveKind::Final);
    EXPECT_FALSE(failed.ok());
    EXPECT_TRUE(document->ended());
    ASSERT_FALSE(failed.rescueCopy.empty()) << failed.result.why();
    EXPECT_TRUE(QString::fromStdString(failed.rescueCopy).startsWith(QDir::tempPath()));
    struct stat seen {};
    ASSERT_EQ(::stat(failed.rescueCopy.c_str(), &seen), 0);
    EXPECT_EQ(seen.st_mode & 0777, 0600u);
    EXPECT_EQ(notesIn(QString::fromStdString(failed.rescueCopy)), (Notes{"milk", "jam"}));
    std::remove(failed.rescueCopy.c_str());
}

} // namespace
