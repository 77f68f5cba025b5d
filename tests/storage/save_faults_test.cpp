// Saves that fail or are cut off: the data file on disk is always a whole file, the old one or
// the new one, and a failure says why.
#include "storage/atomic_file.h"
#include "storage_fixture.h"

#include <csignal>
#include <functional>
#include <random>
#include <sys/mount.h>
#include <sys/wait.h>
#include <thread>

namespace {

// A small file system of its own (root only), so that it can be filled or made read-only.
class SmallDisk {
public:
    explicit SmallDisk(const std::filesystem::path& at) : at_(at) {
        std::filesystem::create_directory(at_);
        mounted_ = ::mount("tmpfs", at_.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    bool makeReadOnly() {
        return ::mount("tmpfs", at_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
    }

private:
    std::filesystem::path at_;
    bool mounted_ = false;
};

class SaveFaultTest : public StorageTest {
protected:
    void expectFailedSaveKeepsFile(const std::function<void(SmallDisk&)>& spoil,
                                   const std::string& why);
};

} // namespace

TEST_F(SaveFaultTest, AnInjectedWriteErrorLeavesTheOldFileAndNoLitter) {
    addNote(holder, "first");
    DataFile data(path);
    ASSERT_TRUE(data.save(holder, options).ok());
    const auto before = readFile();

    addNote(holder, "second");
    data.setSaveStageHook([](SaveStage) { return ENOSPC; });
    const Result result = data.save(holder, options);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.why().find("No space left"), std::string::npos) << result.why();
    EXPECT_EQ(readFile(), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir),
                            std::filesystem::directory_iterator()),
              1);

    data.setSaveStageHook({});
    EXPECT_TRUE(data.save(holder, options).ok()); // the next save goes through
}

TEST_F(SaveFaultTest, AKillAtAnyMomentLeavesTheOldOrTheNewFileWhole) {
    PostItHolder small, large;
    addNote(small, "small");
    for (int i = 0; i < 200; ++i)
        addNote(large, std::string(200, static_cast<char>('a' + i % 26)));
    const auto smallBytes = DataFile::encode(small, options);
    const auto largeBytes = DataFile::encode(large, options);
    {
        DataFile data(path);
        ASSERT_TRUE(data.save(small, options).ok());
    }
    std::mt19937 random(20261207);
    for (int round = 0; round < 30; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Saves the two contents in turn, slowed down between writing and renaming.
            std::mt19937 slow(static_cast<unsigned>(round));
            DataFile data(path);
            data.setSaveStageHook([&slow](SaveStage) {
                std::this_thread::sleep_for(std::chrono::microseconds(slow() % 3000));
                return 0;
            });
            for (int i = 0;; ++i)
                (void)data.save(i % 2 ? small : large, options);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(2000 + random() % 20000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const auto onDisk = readFile();
        ASSERT_TRUE(onDisk == smallBytes || onDisk == largeBytes) << "round " << round;
    }
    // The next start clears away the temporary files the killed saves left.
    DataFile data(path);
    data.removeLeftovers();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir),
                            std::filesystem::directory_iterator()),
              1);
}

// On a small disk of its own: a data file saved with one note, then the disk spoilt by
// spoil(), then a save with more in it. The save fails with a reason that says why, and the file
// on the disk is the one saved before.
void SaveFaultTest::expectFailedSaveKeepsFile(const std::function<void(SmallDisk&)>& spoil,
                                              const std::string& why) {
    SmallDisk disk(dir / "disk");
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here (not root?)";
    const std::string onDisk = dataFilePath((dir / "disk").string());
    addNote(holder, "kept");
    DataFile data(onDisk);
    ASSERT_TRUE(data.save(holder, options).ok());
    const auto before = readFile(onDisk);
    spoil(disk);
    for (int i = 0; i < 100; ++i)
        addNote(holder, std::string(250, 'y'));
    const Result result = data.save(holder, options);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.why().find(why), std::string::npos) << result.why();
    EXPECT_EQ(readFile(onDisk), before);
}

TEST_F(SaveFaultTest, AFullDiskIsReportedAndTheFileOnItIsKept) {
    expectFailedSaveKeepsFile(
        [this](SmallDisk&) {
            // Fill what is left of the disk.
            std::ofstream filler(dir / "disk" / "filler", std::ios::binary);
            const std::string block(4096, 'x');
            while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
                filler.flush();
        },
        "No space left");
}

TEST_F(SaveFaultTest, AReadOnlyDirectoryIsReportedAndTheFileInItIsKept) {
    expectFailedSaveKeepsFile([](SmallDisk& disk) { ASSERT_TRUE(disk.makeReadOnly()); },
                              "Read-only");
}

TEST_F(SaveFaultTest, SavesThatFailOverADamagedFileDropNoEarlierBackup) {
    const std::vector<std::string> generations{".bak", ".bak.1", ".bak.2"};
    for (std::size_t i = 0; i < generations.size(); ++i)
        writeFile({static_cast<std::uint8_t>(i)}, path + generations[i]);
    writeFile({0, 4, 9}); // cut short
    DataFile data(path);
    ASSERT_EQ(loadAll(data).status, LoadStatus::Damaged);

    // The disk is full: each autosave fails, and every earlier backup stays where it was.
    data.setSaveStageHook([](SaveStage) { return ENOSPC; });
    for (int attempt = 0; attempt < 3; ++attempt)
        EXPECT_FALSE(data.save(holder, options).ok());
    for (std::size_t i = 0; i < generations.size(); ++i)
        EXPECT_EQ(readFile(path + generations[i]), std::vector<std::uint8_t>{std::uint8_t(i)});
    EXPECT_EQ(readFile(), (std::vector<std::uint8_t>{0, 4, 9}));
}
