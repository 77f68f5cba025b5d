// A data file kept in a folder that a sync engine keeps in step with another machine: what that
// machine wrote is never overwritten unseen, and what the engine leaves beside it stays.
#include "storage/atomic_file.h"
#include "storage_fixture.h"

#include <cstdio>

TEST_F(StorageTest, AFileChangedElsewhereIsKeptAsAConflictCopyOnlyWhenBothSidesChanged) {
    addNote(holder, "mine");
    ASSERT_TRUE(DataFile(path).save(holder, options).ok);
    DataFile data(path);
    ScriptedAnswers answers;
    PostItHolder read;
    ASSERT_EQ(data.load(read, answers).status, LoadStatus::Loaded);
    data.readOptions(options);
    data.markInStep(read, options);

    // The other machine's version arrives as a sync engine brings it: a new file renamed over.
    PostItHolder other;
    addNote(other, "theirs");
    const auto theirs = DataFile::encode(other, options);
    writeFile(theirs, path + ".synctmp");
    ASSERT_EQ(std::rename((path + ".synctmp").c_str(), path.c_str()), 0);
    EXPECT_TRUE(data.changedOnDisk());

    // Nothing new on this side: nothing is written over it.
    SaveResult saved = data.save(read, options);
    EXPECT_TRUE(saved.ok);
    EXPECT_TRUE(saved.conflictCopy.empty());
    EXPECT_EQ(readFile(), theirs);

    // Something new on this side as well: this side is written, theirs kept beside it, once.
    addNote(read, "mine too");
    saved = data.save(read, options);
    ASSERT_TRUE(saved.ok) << saved.reason;
    ASSERT_FALSE(saved.conflictCopy.empty());
    EXPECT_EQ(saved.conflictCopy.rfind(path + ".conflict-", 0), 0u) << saved.conflictCopy;
    EXPECT_EQ(readFile(saved.conflictCopy), theirs);
    EXPECT_EQ(readFile(), DataFile::encode(read, options));
    EXPECT_FALSE(data.changedOnDisk());
    EXPECT_TRUE(data.save(read, options).conflictCopy.empty());
}

TEST_F(StorageTest, StartUpLeavesWhatSyncEnginesPutBesideTheFileAlone) {
    writeFile(DataFile::encode(holder, options));
    const std::vector<std::string> theirs{"quillbox.sync-conflict-20261207-120000-ABCDEFG.dat",
                                          "quillbox (conflicted copy 2026-12-07).dat",
                                          "quillbox.dat.conflict-laptop-20261207-120000",
                                          ".syncthing.quillbox.dat.tmp"};
    for (const auto& name : theirs)
        writeFile({1, 2, 3}, (dir / name).string());
    DataFile data(path);
    ScriptedAnswers answers;
    data.load(holder, answers);
    for (const auto& name : theirs)
        EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
}

TEST_F(StorageTest, AFileRewrittenWithTheSameContentIsNoChangeElsewhere) {
    addNote(holder, "mine");
    DataFile data(path);
    ASSERT_TRUE(data.save(holder, options).ok);
    // A sync engine puts the file it has just sent back in place: the same bytes, a new file.
    const auto same = readFile();
    writeFile(same, path + ".synctmp");
    ASSERT_EQ(std::rename((path + ".synctmp").c_str(), path.c_str()), 0);
    EXPECT_TRUE(data.save(holder, options).ok);
    EXPECT_FALSE(data.changedOnDisk()) << "it would be read again as news";

    addNote(holder, "mine too");
    const SaveResult saved = data.save(holder, options);
    ASSERT_TRUE(saved.ok) << saved.reason;
    EXPECT_TRUE(saved.conflictCopy.empty()) << saved.conflictCopy;
    EXPECT_EQ(readFile(), DataFile::encode(holder, options));
}
