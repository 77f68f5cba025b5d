// How soon a version of the data file that another machine's sync tool puts in place shows: the
// real program with 256 notes on show, a file with one note's text changed renamed over the data
// file, and the time until that Stickum has painted its new text. Run by ./bench.sh on its
// virtual desktop (offscreen without a display, which measures only our side).
//   bench_reload [runs]
#include "app/myapp.h"
#include "app/mydialog.h"
#include "quietdesk.h"
#include "stickum/stickum.h"
#include "stickum/stickumedit.h"
#include "storage/datafile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Counts the paints of one widget.
class Paints : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

PostItHolder& fill(PostItHolder& holder, int changed, int round) {
    for (int i = 0; i < kHolderCapacity; ++i) {
        auto note = std::make_unique<Note>();
        std::string text = "Stickum number " + std::to_string(i);
        if (i == changed) text += ", changed elsewhere " + std::to_string(round);
        note->setText(text);
        note->setActive(true);
        auto attr = std::make_unique<PostItAttr>();
        attr->x = static_cast<std::int16_t>(20 + (i % 16) * 60);
        attr->y = static_cast<std::int16_t>(20 + (i / 16) * 40);
        holder.addAttached(std::move(note), std::move(attr));
    }
    return holder;
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("DISPLAY") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    QTemporaryDir dir;
    qputenv("XDG_STATE_HOME", dir.filePath(QStringLiteral("state")).toUtf8());
    const std::string path = dir.filePath(QStringLiteral("quillbox.dat")).toStdString();
    PostItHolder first;
    if (!DataFile(path).save(fill(first, -1, 0), Options{}).ok()) return 1;

    SilentBoxes boxes;
    const std::unique_ptr<MyApp> program = quietProgram(dir.path(), boxes);
    MyApp& app = *program;
    if (app.initMainWindow().has_value()) return 1;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    std::vector<double> times;
    for (int round = 1; round <= runs; ++round) {
        const int changed = (round * 37) % kHolderCapacity;
        PostItHolder theirs;
        const std::string next = path + ".sync";
        if (!DataFile(next).save(fill(theirs, changed, round), Options{}).ok()) return 1;
        WPostIt* content = app.dialog()->tracker().stickumOf(app.dialog()->holder().note(changed));
        Paints paints;
        content->edit()->viewport()->installEventFilter(&paints);
        const std::string wanted = theirs.note(changed)->text();
        clock.restart();
        std::rename(next.c_str(), path.c_str()); // the file lands
        while (content->getContent() != wanted || paints.count == 0) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            if (clock.elapsed() > 5000) {
                std::printf("round %d: the change did not show\n", round);
                return 1;
            }
        }
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        content->edit()->viewport()->removeEventFilter(&paints);
        while (clock.elapsed() < 300)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    std::sort(times.begin(), times.end());
    std::printf("A file from elsewhere to its change on show, %d notes, %d runs: median %.1f ms "
                "(%.1f-%.1f)\n",
                kHolderCapacity, runs, times[times.size() / 2], times.front(), times.back());
    return 0;
}
