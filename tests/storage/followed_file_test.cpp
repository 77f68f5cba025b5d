// A data file kept in a folder that a sync engine keeps in step with another machine: what the
// engine leaves beside it stays.
#include "storage_fixture.h"

#include <cstdio>

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
        EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
}
