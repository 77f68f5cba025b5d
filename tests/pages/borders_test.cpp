// Every framed control keeps its one-pixel frame on all four sides at fractional scales
// (1.25, 1.5, 1.75: the program runs once per scale): no opaque part of a control or of its
// neighbour paints over it.
#include "fakehost.h"
#include "pages/calendardialog.h"
#include "pages/notesdialog.h"
#include "pages/optiondialog.h"
#include "pages/prestitidialog.h"
#include "stickum/smallframe.h"
#include "stickum/stickum.h"
#include "stickum/wpostit.h"

#include <QFrame>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace {

// What each side of a frame shows: the side's pixels differ from both what lies inside the
// frame and what lies outside it somewhere along the side's middle half.
class FrameProbe {
public:
    FrameProbe(const QImage& shot, qreal ratio) : shot_(shot), ratio_(ratio) {}

    // The sides ("left", "top", ...) of the rectangle (logical, in the shot's widget) whose
    // frame of `width` logical pixels cannot be seen.
    QStringList missingSides(const QRect& r, int width) const {
        QStringList missing;
        const auto check = [&](const char* side, bool vertical, int at, int inward) {
            const int from = vertical ? r.top() + r.height() / 4 : r.left() + r.width() / 4;
            const int to = vertical ? r.bottom() - r.height() / 4 : r.right() - r.width() / 4;
            for (int along = from; along <= to; ++along) {
                const auto pixel = [&](qreal across) {
                    const QPointF p =
                        vertical ? QPointF(across, along + 0.5) : QPointF(along + 0.5, across);
                    return shot_.pixel(QPoint(int(p.x() * ratio_), int(p.y() * ratio_)));
                };
                const QRgb inside = pixel(at + inward * (width + 2) + 0.5);
                const QRgb outside = pixel(at - inward * 2 + 0.5);
                bool seen = false;
                const int first = int(std::floor(std::min(at, at + inward * width) * ratio_));
                const int last =
                    int(std::ceil(std::max(at + 1, at + 1 + inward * (width - 1)) * ratio_)) - 1;
                for (int d = first; d <= last && !seen; ++d) {
                    const QRgb line = vertical ? shot_.pixel(d, int((along + 0.5) * ratio_))
                                               : shot_.pixel(int((along + 0.5) * ratio_), d);
                    seen = line != inside && line != outside;
                }
                if (!seen) {
                    missing << QString::fromLatin1(side);
                    return;
                }
            }
        };
        check("left", true, r.left(), 1);
        check("right", true, r.right(), -1);
        check("top", false, r.top(), 1);
        check("bottom", false, r.bottom(), -1);
        return missing;
    }

private:
    QImage shot_;
    qreal ratio_;
};

// The framed controls of a widget whose frames cannot be seen whole, with their sides.
QStringList hiddenFrames(QWidget& top) {
    const QPixmap grabbed = top.grab();
    const FrameProbe probe(grabbed.toImage(), grabbed.devicePixelRatio());
    QStringList faults;
    for (QFrame* frame : top.findChildren<QFrame*>()) {
        if (!frame->isVisibleTo(&top) || frame->frameShape() == QFrame::NoFrame ||
            frame->frameWidth() == 0 || frame->width() < 12 || frame->height() < 12)
            continue;
        const QRect r(frame->mapTo(&top, QPoint(0, 0)), frame->size());
        const QStringList sides = probe.missingSides(r, frame->frameWidth());
        if (!sides.isEmpty())
            faults << QStringLiteral("%1 %2: %3")
                          .arg(QString::fromLatin1(frame->metaObject()->className()),
                               frame->objectName(), sides.join(u' '));
    }
    return faults;
}

struct Page {
    const char* name;
    std::function<std::unique_ptr<QWidget>(FakeHost&)> make;
};

class Borders : public ::testing::TestWithParam<Page> {};

TEST_P(Borders, EveryFramedControlShowsItsWholeFrame) {
    setTodaySource([] { return makeDate(2, 3, 1998); });
    FakeHost host;
    std::unique_ptr<QWidget> page = GetParam().make(host);
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    EXPECT_EQ(hiddenFrames(*page).join(QStringLiteral("; ")).toStdString(), "")
        << "at scale " << page->devicePixelRatio();
    setTodaySource({});
}

TEST(StickumBorder, IsWholeAroundTheText) {
    Options options;
    Note note;
    note.setText("one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix");
    WPostIt* content = newStickum(options, &note);
    SmallFrame* frame = content->frame();
    frame->placeAt(40, 60);
    frame->showStickum();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    const QPixmap grabbed = frame->grab();
    const FrameProbe probe(grabbed.toImage(), grabbed.devicePixelRatio());
    const QRect border(content->mapTo(frame, QPoint(0, 0)), content->size());
    EXPECT_EQ(probe.missingSides(border, 1).join(u' ').toStdString(), "")
        << "at scale " << grabbed.devicePixelRatio();
    destroyStickum(content);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, Borders,
    ::testing::Values(
        Page{"Notes", [](FakeHost& h) { return std::make_unique<NotesDialog>(h); }},
        Page{"Lendings", [](FakeHost& h) { return std::make_unique<PrestitiDialog>(h); }},
        Page{"Reminders", [](FakeHost& h) { return std::make_unique<CalendarDialog>(h); }},
        Page{"Options",
             [](FakeHost& h) {
                 auto page = std::make_unique<OptionDialog>(h);
                 page->setUpPage();
                 return page;
             }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
