// The holder passes with a full record list: 256 Stickums shown and hidden, 256 alerts popping up,
// and a tick with nothing to change. Run it on a real X server (scripts/xsession.sh); without a
// display it runs offscreen, which measures only our side.
#include "app/myapp.h"
#include "app/mydialog.h"
#include "desktop/stickumtracker.h"
#include "look/messages.h"
#include "platform/windowsystem.h"
#include "quietdesk.h"
#include "storage/datafile.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

void settle() {
    QCoreApplication::processEvents();
}

// A full list of one kind, armed, at positions spread over the screen.
struct Desk {
    explicit Desk(int kind) : windows(createWindowSystem()) {
        for (int i = 0; i < kHolderCapacity; ++i) {
            std::unique_ptr<PostIt> record;
            if (kind == KindNote)
                record = std::make_unique<Note>();
            else
                record = std::make_unique<Prestito>();
            record->setText("Stickum number " + std::to_string(i) + "\r\nwith a second line");
            record->setActive(true);
            PostIt* added = record.get();
            holder.add(std::move(record));
            tracker.attachNew(added);
            PostItAttr* attr = holder.attrOf(added);
            attr->x = static_cast<std::int16_t>(20 + (i % 16) * 60);
            attr->y = static_cast<std::int16_t>(20 + (i / 16) * 40);
        }
    }
    ~Desk() {
        tracker.destroyAll();
        settle();
    }

    PostItHolder holder;
    Options options;
    std::unique_ptr<WindowSystem> windows;
    SilentBoxes boxes;
    StickumTracker tracker{holder, options, *windows, boxes};
};

// Showing 256 Stickums that exist (the main window collapses again): the pass alone, and the
// pass until the program has handled what the X server answered (exposures, paints).
void showPass(benchmark::State& state, bool untilPainted) {
    Desk desk(KindNote);
    desk.tracker.showPass(true);
    settle();
    for (auto _ : state) {
        state.PauseTiming();
        desk.tracker.hidePass();
        settle();
        state.ResumeTiming();
        desk.tracker.showPass(true);
        if (untilPainted) settle();
        state.PauseTiming();
        settle();
        state.ResumeTiming();
    }
}
void BM_ShowPass(benchmark::State& state) {
    showPass(state, false);
}
BENCHMARK(BM_ShowPass)->Unit(benchmark::kMillisecond);
void BM_ShowPassPainted(benchmark::State& state) {
    showPass(state, true);
}
BENCHMARK(BM_ShowPassPainted)->Unit(benchmark::kMillisecond);

// Building and showing 256 Stickums (the first collapse, or a rebuild after the options).
void BM_ShowPassBuilding(benchmark::State& state) {
    Desk desk(KindNote);
    for (auto _ : state) {
        state.PauseTiming();
        desk.tracker.destroyAll();
        settle();
        state.ResumeTiming();
        desk.tracker.showPass(true);
        settle();
    }
}
BENCHMARK(BM_ShowPassBuilding)->Unit(benchmark::kMillisecond);

// Taking 256 Stickums' positions and texts back and hiding them (the main window is restored).
void BM_HidePass(benchmark::State& state) {
    Desk desk(KindNote);
    for (auto _ : state) {
        state.PauseTiming();
        desk.tracker.showPass(true);
        settle();
        state.ResumeTiming();
        desk.tracker.hidePass();
        state.PauseTiming();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HidePass)->Unit(benchmark::kMillisecond);

// The alert pass of a tick that finds 256 lendings due: 256 Stickums pop up.
void BM_AlertPass256Due(benchmark::State& state) {
    Desk desk(KindLending);
    for (auto _ : state) {
        state.PauseTiming();
        desk.tracker.destroyAll();
        for (int i = 0; i < desk.holder.count(); ++i)
            desk.holder.recordAt(i)->setDisplayState(Due);
        settle();
        state.ResumeTiming();
        desk.tracker.alertPass(true, false, nullptr);
        settle();
    }
}
BENCHMARK(BM_AlertPass256Due)->Unit(benchmark::kMillisecond);

// A whole tick of the running program (both due checks, the alert pass, the timer) with 256
// lendings and reminders whose alerts are all up already: nothing to change.
void BM_TickNothingToChange(benchmark::State& state) {
    QTemporaryDir dir;
    {
        PostItHolder holder;
        for (int i = 0; i < kHolderCapacity; ++i) {
            std::unique_ptr<PostIt> record;
            if (i % 2 == 0) {
                auto lending = std::make_unique<Prestito>();
                lending->setDate(systemToday() - 40);
                lending->setDaysAfter(30);
                record = std::move(lending);
            } else {
                auto reminder = std::make_unique<Appointement>();
                reminder->setDate(systemToday() + 1);
                reminder->setDaysBefore(2);
                record = std::move(reminder);
            }
            record->setText("due " + std::to_string(i));
            record->setActive(true);
            holder.addAttached(std::move(record));
        }
        const Result saved = DataFile(dir.filePath(QStringLiteral("quillbox.dat")).toStdString())
                                 .save(holder, Options{});
        if (!saved.ok()) {
            state.SkipWithError(saved.why().c_str());
            return;
        }
    }
    SilentBoxes boxes;
    const std::unique_ptr<MyApp> program = quietProgram(dir.path(), boxes);
    MyApp& app = *program;
    if (app.initMainWindow().has_value()) {
        state.SkipWithError("the program did not start");
        return;
    }
    settle(); // the first tick has put every alert up
    TickTimer& timer = app.dialog()->timer();
    for (auto _ : state) {
        emit timer.fired();
    }
    int shown = 0;
    for (int i = 0; i < app.dialog()->holder().count(); ++i)
        shown += app.dialog()->holder().recordAt(i)->displayState() == Shown ? 1 : 0;
    state.counters["shown"] = shown;
}
BENCHMARK(BM_TickNothingToChange)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("DISPLAY") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::AddCustomContext("platform", QGuiApplication::platformName().toStdString());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
