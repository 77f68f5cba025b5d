// What the data file's safety measures do to the files around it: backups as private as the
// file and several generations deep, links followed, special files and unreadable files left
// alone and named for what they are, and what sync engines put beside it kept.
#include "storage_fixture.h"

#include <chrono>
#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A version-4 file with one note and the whole options block.
std::vector<std::uint8_t> fileWithNote(const std::string& text) {
    FileBytes f;
    f.i16(4).i16(1).i16(1).string(text).i16(3).flag(true).i16(0).i16(0);
    f.optionsUpToScrollBar(FileBytes::defaultFont()).string("/w.wav").i16(7).flag(true).i32(0);
    return f.bytes;
}

mode_t modeOf(const std::string& at) {
    struct stat s {};
    return ::lstat(at.c_str(), &s) == 0 ? (s.st_mode & 07777) : 0;
}

// Runs the check in a child process and gives its exit status, or -1 when it has not ended
// within the time: a check that hangs does not hang the test.
int inChild(const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(check() ? 0 : 1);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The check run as a user other than the file's owner (nobody): 0 when it held.
int asNobody(const std::function<bool()>& check) {
    return inChild([&check] { return ::setuid(65534) == 0 && check(); });
}

} // namespace

TEST_F(StorageTest, BackupsAreAsPrivateAsTheFileAndEarlierOnesAreKept) {
    // Damaged files (cut inside the options) one after another, each saved over once.
    std::vector<std::vector<std::uint8_t>> damaged;
    for (int i = 0; i < 4; ++i) {
        auto bytes = fileWithNote(std::to_string(i) + ". generation");
        bytes.resize(bytes.size() - 3);
        damaged.push_back(bytes);
        writeFile(bytes);
        ::chmod(path.c_str(), 0600);
        DataFile data(path);
        PostItHolder back;
        ASSERT_EQ(data.load(back, answers).status, LoadStatus::Loaded);
        EXPECT_FALSE(data.readOptions(options));
        ASSERT_TRUE(data.save(back, options).ok());
        EXPECT_EQ(modeOf(data.backupPath()), 0600u);
    }
    EXPECT_EQ(readFile(path + ".bak"), damaged[3]);
    EXPECT_EQ(readFile(path + ".bak.1"), damaged[2]);
    EXPECT_EQ(readFile(path + ".bak.2"), damaged[1]);
    EXPECT_FALSE(fs::exists(path + ".bak.3")); // the oldest is dropped

    // A new data file is private; an existing one keeps its mode.
    const std::string fresh = dataFilePath((dir / "new").string());
    fs::create_directory(dir / "new");
    ASSERT_TRUE(DataFile(fresh).save(holder, options).ok());
    EXPECT_EQ(modeOf(fresh), 0600u);
    ::chmod(fresh.c_str(), 0640);
    ASSERT_TRUE(DataFile(fresh).save(holder, options).ok());
    EXPECT_EQ(modeOf(fresh), 0640u);
}

TEST_F(StorageTest, ALinkedDataFileIsReplacedInTheLinksTargetAndStaysALink) {
    fs::create_directory(dir / "synced");
    const std::string target = (dir / "synced" / "notes.dat").string();
    writeFile(fileWithNote("synced"), target);
    ::chmod(target.c_str(), 0640);
    fs::create_symlink("synced/notes.dat", path);

    DataFile data(path);
    ASSERT_EQ(loadAll(data).status, LoadStatus::Loaded);
    holder.note(0)->setText("changed");
    ASSERT_TRUE(data.save(holder, options).ok());
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(modeOf(target), 0640u);
    PostItHolder back;
    DataFile again(path);
    ASSERT_EQ(again.load(back, answers).status, LoadStatus::Loaded);
    EXPECT_EQ(back.note(0)->text(), "changed");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "synced"), fs::directory_iterator()), 1);

    // A link whose target is not there yet: the target is made.
    fs::remove(target);
    ASSERT_TRUE(again.save(back, options).ok());
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_TRUE(fs::is_regular_file(target));

    // A hard-linked file: saving replaces the file, and the load says so beforehand.
    fs::remove(path);
    writeFile(fileWithNote("hard"));
    fs::create_hard_link(path, dir / "other-name.dat");
    PostItHolder hard;
    EXPECT_TRUE(DataFile(path).load(hard, answers).otherNames);
    PostItHolder single;
    fs::remove(dir / "other-name.dat");
    EXPECT_FALSE(DataFile(path).load(single, answers).otherNames);
}

// A link into a synced folder must go on leading there after the file behind it was moved
// aside, or later saves would stop reaching the other machines.
TEST_F(StorageTest, AnUnreadableFileBehindALinkIsMovedAsideBesideItselfAndTheLinkStays) {
    if (::geteuid() != 0) GTEST_SKIP() << "the unreadable case needs to drop the superuser";
    fs::create_directory(dir / "synced");
    const std::string target = (dir / "synced" / "notes.dat").string();
    writeFile(fileWithNote("private"), target);
    ::chmod(target.c_str(), 0600);
    fs::create_symlink("synced/notes.dat", path);
    for (const fs::path& folder : {dir, dir / "synced"})
        fs::permissions(folder, fs::perms::all);
    EXPECT_EQ(asNobody([this, target] {
                  PostItHolder back;
                  ScriptedAnswers unasked;
                  DataFile data(path);
                  if (data.load(back, unasked).status != LoadStatus::Unreadable) return false;
                  addNote(back, "new");
                  return data.save(back, options).ok() && data.backupPath() == target + ".bak";
              }),
              0);
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(readFile(target + ".bak"), fileWithNote("private"));
    PostItHolder back;
    ASSERT_EQ(DataFile(path).load(back, answers).status, LoadStatus::Loaded);
    EXPECT_EQ(back.note(0)->text(), "new");
}

TEST_F(StorageTest, SpecialFilesAreNamedForWhatTheyAreAndLeftAlone) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    // Opening a FIFO for reading waits for a writer: the load must not.
    EXPECT_EQ(inChild([this] {
                  PostItHolder back;
                  DataFile data(path);
                  const LoadResult result = data.load(back, answers);
                  return result.status == LoadStatus::NotAFile && result.mustExit() &&
                         result.exitStatus() == 1 &&
                         result.problem.find("FIFO") != std::string::npos &&
                         !data.save(back, options).ok();
              }),
              0);
    EXPECT_TRUE(fs::is_fifo(path));

    fs::remove(path);
    fs::create_directory(path);
    DataFile data(path);
    const LoadResult result = data.load(holder, answers);
    EXPECT_EQ(result.status, LoadStatus::NotAFile);
    EXPECT_NE(result.problem.find("directory"), std::string::npos) << result.problem;
    const Result saved = data.save(holder, options);
    EXPECT_FALSE(saved.ok());
    EXPECT_NE(saved.why().find("not a regular file"), std::string::npos) << saved.why();
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_FALSE(fs::exists(data.backupPath()));
}

TEST_F(StorageTest, LoadProblemsSayWhatHappenedAndWhere) {
    // Damage names its byte: here the options block, cut after its font.
    auto bytes = fileWithNote("note");
    const std::size_t optionsAt = 2 + 2 + 2 + 6 + 2 + 1 + 4;
    bytes.resize(optionsAt + 8 + 60 + 1);
    writeFile(bytes);
    DataFile data(path);
    EXPECT_EQ(data.load(holder, answers).status, LoadStatus::Loaded);
    EXPECT_FALSE(data.readOptions(options));
    EXPECT_EQ(data.damage().at, optionsAt + 8 + 60);
    EXPECT_NE(data.damage().what.find("ends inside"), std::string::npos);

    // A file the user may not read is not "damaged": it is named for what it is.
    writeFile(fileWithNote("private"));
    if (::geteuid() != 0) GTEST_SKIP() << "the unreadable case needs to drop the superuser";
    EXPECT_EQ(asNobody([this] {
                  PostItHolder back;
                  ScriptedAnswers unasked;
                  const LoadResult result = DataFile(path).load(back, unasked);
                  return result.status == LoadStatus::Unreadable &&
                         result.problem.find("Permission denied") != std::string::npos;
              }),
              0);
}

// In a folder a sync engine keeps in step with another machine, what the engine leaves beside
// the data file stays.
TEST_F(StorageTest, StartUpLeavesWhatSyncEnginesPutBesideTheFileAlone) {
    writeFile(DataFile::encode(holder, options));
    const std::vector<std::string> theirs{"quillbox.sync-conflict-20261207-120000-ABCDEFG.dat",
                                          "quillbox (conflicted copy 2026-12-07).dat",
                                          "quillbox.dat.conflict-laptop-20261207-120000",
                                          ".syncthing.quillbox.dat.tmp"};
    for (const auto& name : theirs)
        writeFile({1, 2, 3}, (dir / name).string());
    DataFile data(path);
    data.load(holder, answers);
    for (const auto& name : theirs)
        EXPECT_TRUE(fs::exists(dir / name)) << name;
}
