// Painting one Stickum: the frame, its title bar with the caption picture and two buttons, the
// content window and the edit with three lines of text, rendered into an image as the window
// system's backing store would get it. Also building one (what the show pass does per entry)
// and the title bar making its caption picture anew (every size or colour change).
#include "model/postit.h"
#include "stickum/stickum.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

struct OneStickum {
    OneStickum() : content(newStickum(options, session, &note)) {
        note.setText("Buy milk\r\nCall the plumber about the kitchen sink\r\nReturn the book");
        content->setContent(note.displayText());
        content->setEditable(true);
        content->setBackgroundColor(options.stickumColor);
        frame()->resize(frame()->size()); // laid out as when shown
    }
    ~OneStickum() { destroyStickum(content); }
    SmallFrame* frame() const { return content->frame(); }

    Options options;
    StickumSession session;
    Note note;
    WPostIt* content;
};

void BM_StickumPaint(benchmark::State& state) {
    OneStickum stickum;
    QImage image(stickum.frame()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        stickum.frame()->render(&painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["width"] = stickum.frame()->width();
    state.counters["height"] = stickum.frame()->height();
}
BENCHMARK(BM_StickumPaint)->Unit(benchmark::kMicrosecond);

void BM_TitleBarCaptionPicture(benchmark::State& state) {
    OneStickum stickum;
    QImage image(stickum.frame()->size(), QImage::Format_ARGB32_Premultiplied);
    stickum.frame()->render(&image); // the first paint readies the title bar
    MiniTitleBar* bar = stickum.frame()->titleBar();
    const int width = bar->width();
    int step = 0;
    for (auto _ : state) {
        // Every width change makes the caption picture anew.
        bar->setWidth(width + (++step % 2));
    }
}
BENCHMARK(BM_TitleBarCaptionPicture)->Unit(benchmark::kMicrosecond);

void BM_StickumBuild(benchmark::State& state) {
    Options options;
    StickumSession session;
    Note note;
    note.setText("Buy milk\r\nCall the plumber");
    for (auto _ : state) {
        WPostIt* content = newStickum(options, session, &note);
        content->setContent(note.displayText());
        destroyStickum(content);
    }
}
BENCHMARK(BM_StickumBuild)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // Painting is measured on our side only: no window system.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
