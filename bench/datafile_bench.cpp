// Loading and saving a full data file: 256 records of every kind with long texts.
#include "storage/datafile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

void fill(PostItHolder& holder) {
    for (int i = 0; i < kHolderCapacity; ++i) {
        std::unique_ptr<PostIt> record;
        if (i % 3 == 0) {
            record = std::make_unique<Note>();
        } else if (i % 3 == 1) {
            auto lending = std::make_unique<Prestito>();
            lending->setPerson("Somebody with a long name");
            lending->setDate(makeDate(1 + i % 28, 1 + i % 12, 1990 + i % 30));
            record = std::move(lending);
        } else {
            auto reminder = std::make_unique<Appointement>();
            reminder->setDate(makeDate(1 + i % 28, 1 + i % 12, 2000 + i % 30));
            record = std::move(reminder);
        }
        record->setText(std::string(200, static_cast<char>('a' + i % 26)));
        holder.addAttached(std::move(record));
    }
}

// A data file in a new directory under the given one (the temporary directory by default).
std::string benchPath(const std::filesystem::path& under = std::filesystem::temp_directory_path()) {
    std::string pattern = (under / "qbbenchXXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    return dataFilePath(pattern);
}

// A save waits until the disk holds the new file (the file and its directory are synced): on a
// real disk that wait is most of it. In memory (/dev/shm, where syncing costs nothing) what is
// left is the program's own work: encoding, writing, renaming.
void saveFullFile(benchmark::State& state, const std::string& path) {
    PostItHolder holder;
    fill(holder);
    const Options options = Options::initial({});
    DataFile file(path);
    for (auto _ : state) {
        const Result result = file.save(holder, options);
        if (!result.ok()) state.SkipWithError(result.why().c_str());
    }
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
void BM_SaveFullFile(benchmark::State& state) {
    saveFullFile(state, benchPath());
}
BENCHMARK(BM_SaveFullFile)->Unit(benchmark::kMicrosecond);
void BM_SaveFullFileInMemory(benchmark::State& state) {
    if (!std::filesystem::is_directory("/dev/shm")) {
        state.SkipWithError("no /dev/shm");
        return;
    }
    saveFullFile(state, benchPath("/dev/shm"));
}
BENCHMARK(BM_SaveFullFileInMemory)->Unit(benchmark::kMicrosecond);

void BM_LoadFullFile(benchmark::State& state) {
    const std::string path = benchPath();
    {
        PostItHolder holder;
        fill(holder);
        const Result saved = DataFile(path).save(holder, Options::initial({}));
        if (!saved.ok()) {
            state.SkipWithError(saved.why().c_str());
            return;
        }
    }
    const auto questions = OldFileQuestions::answered(true);
    for (auto _ : state) {
        PostItHolder holder;
        Options options = Options::initial({});
        DataFile file(path);
        file.load(holder, questions);
        file.readOptions(options);
        benchmark::DoNotOptimize(holder.count());
    }
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
BENCHMARK(BM_LoadFullFile)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
