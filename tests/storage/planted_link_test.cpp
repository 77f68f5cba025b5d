// A data file in a folder that others can write to (mode 1777, sticky): a symbolic link that
// someone else put at the name of a backup, a temporary or a conflict copy is never followed
// nor moved on, and the file it leads to is never written. Only the data file's own link, the
// user's choice, is followed.
#include "storage/atomic_file.h"
#include "storage/fileidentity.h"
#include "storage_fixture.h"

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Planted {
    const char* name;
    // The name the link is put at, beside the data file at path.
    std::string (*at)(const std::string& path);
    // Does what a save does at that name.
    Result (*act)(const std::string& path, const std::string& at);
};

void PrintTo(const Planted& planted, std::ostream* out) {
    *out << planted.name;
}

const std::vector<std::uint8_t> kOriginal = {3, 0, 0, 0};

const Planted kPlanted[] = {
    {"backupOfAnOldFile", [](const std::string& p) { return p + ".bak"; },
     [](const std::string& p, const std::string& at) { return keepBackup(p, at, &kOriginal); }},
    {"backupMovedAside", [](const std::string& p) { return p + ".bak"; },
     [](const std::string& p, const std::string& at) { return keepBackup(p, at, nullptr); }},
    {"earlierBackup", [](const std::string& p) { return p + ".bak.1"; },
     [](const std::string& p, const std::string&) {
         std::ofstream(p + ".bak") << "old"; // a real earlier backup, to be moved on
         return keepBackup(p, p + ".bak", &kOriginal);
     }},
    {"conflictCopy", [](const std::string& p) { return p + ".conflict-host-20260712-101010"; },
     [](const std::string& p, const std::string& at) { return keepConflictCopy(p, at); }},
};

class PlantedLink : public StorageTest, public ::testing::WithParamInterface<Planted> {
protected:
    void SetUp() override {
        StorageTest::SetUp();
        // The victim: a private file in a private folder of the user's.
        fs::create_directory(dir / "private");
        ::chmod((dir / "private").c_str(), 0700);
        victim = (dir / "private" / "secret").string();
        writeFile({'s', 'e', 'c', 'r', 'e', 't'}, victim);
        ::chmod(victim.c_str(), 0600);
        // The shared folder with the data file.
        fs::create_directory(dir / "shared");
        ::chmod((dir / "shared").c_str(), 01777);
        path = dataFilePath((dir / "shared").string());
        writeFile({4, 0, 0, 0});
    }

    std::string victim;
};

TEST_P(PlantedLink, IsLeftAloneAndReportedAndItsTargetIsNeverWritten) {
    const std::string at = GetParam().at(path);
    fs::create_symlink(victim, at);
    ::lchown(at.c_str(), 65534, 65534); // another user's link

    const std::string failure = GetParam().act(path, at).why();
    EXPECT_NE(failure.find(at + " is a symbolic link"), std::string::npos) << failure;
    EXPECT_EQ(readFile(victim), (std::vector<std::uint8_t>{'s', 'e', 'c', 'r', 'e', 't'}));
    EXPECT_TRUE(fs::is_symlink(at));
    EXPECT_EQ(fs::read_symlink(at), victim);
    EXPECT_EQ(readFile(), (std::vector<std::uint8_t>{4, 0, 0, 0})); // the data file stays too
    for (const auto& entry : fs::directory_iterator(dir / "shared"))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".quillbox.dat"))
            << "a temporary was left: " << entry.path();
}

INSTANTIATE_TEST_SUITE_P(AtTheNameOf, PlantedLink, ::testing::ValuesIn(kPlanted),
                         [](const auto& instance) { return std::string(instance.param.name); });

// A link that leads nowhere, at the name a conflict copy would take, makes the copy take the next.
TEST_F(StorageTest, ADanglingLinkIsATakenNameForAConflictCopy) {
    const std::string first = conflictCopyPath(path);
    fs::create_symlink(dir / "nowhere", first);
    EXPECT_NE(conflictCopyPath(path), first);
}

} // namespace
