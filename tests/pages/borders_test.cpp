// Framed controls keep their one-pixel frames on all four sides at fractional scales (the
// program runs once per scale: 1, 1.25, 1.5, 1.75): nothing inside paints over them.
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

#include <functional>
#include <memory>

namespace {

// The sides of the rectangle (logical, in the shot) whose frame of `width` pixels cannot be
// seen: at a quarter, half or three quarters along the side, no screen pixel of the frame
// differs from both what lies inside it and what lies outside it.
QString hiddenSides(const QImage& shot, qreal ratio, const QRect& r, int width) {
    QString hidden;
    const auto side = [&](const char* name, bool vertical, int at, int inward) {
        const int length = vertical ? r.height() : r.width();
        for (int quarter = 1; quarter <= 3; ++quarter) {
            const qreal along = (vertical ? r.top() : r.left()) + length * quarter / 4 + 0.5;
            const auto pixel = [&](qreal across) {
                return vertical ? shot.pixel(int(across * ratio), int(along * ratio))
                                : shot.pixel(int(along * ratio), int(across * ratio));
            };
            const QRgb inside = pixel(at + inward * (width + 2) + 0.5);
            const QRgb outside = pixel(at - inward * 2 + 0.5);
            const qreal from = std::min(at, at + inward * (width - 1));
            bool seen = false;
            for (qreal x = from; x < from + width && !seen; x += 1 / ratio)
                seen = pixel(x) != inside && pixel(x) != outside;
            if (!seen) return void(hidden += QLatin1String(name));
        }
    };
    side(" left", true, r.left(), 1);
    side(" right", true, r.right(), -1);
    side(" top", false, r.top(), 1);
    side(" bottom", false, r.bottom(), -1);
    return hidden;
}

// Every framed control of the widget whose frame is not whole, with the sides it lacks.
std::string hiddenFrames(QWidget& top, const QList<QWidget*>& also = {}) {
    const QPixmap grabbed = top.grab();
    const QImage shot = grabbed.toImage();
    QString faults;
    const auto probe = [&](QWidget* w, int width) {
        const QString sides = hiddenSides(shot, grabbed.devicePixelRatio(),
                                          QRect(w->mapTo(&top, QPoint(0, 0)), w->size()), width);
        if (!sides.isEmpty()) faults += QLatin1String(w->metaObject()->className()) + sides + "; ";
    };
    for (QFrame* frame : top.findChildren<QFrame*>())
        if (frame->isVisibleTo(&top) && frame->frameShape() != QFrame::NoFrame &&
            frame->frameWidth() > 0 && frame->width() >= 12 && frame->height() >= 12)
            probe(frame, frame->frameWidth());
    for (QWidget* framed : also)
        probe(framed, 1);
    return faults.toStdString();
}

using Make = std::function<std::unique_ptr<QWidget>(FakeHost&)>;

class Borders : public ::testing::TestWithParam<Make> {};

TEST_P(Borders, AreWholeOnEveryPage) {
    setTodaySource([] { return makeDate(2, 3, 1998); });
    FakeHost host;
    std::unique_ptr<QWidget> page = GetParam()(host);
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    EXPECT_EQ(hiddenFrames(*page), "") << "at scale " << page->devicePixelRatio();
    setTodaySource({});
}

INSTANTIATE_TEST_SUITE_P(
    Pages, Borders,
    ::testing::Values(
        [](FakeHost& h) -> std::unique_ptr<QWidget> { return std::make_unique<NotesDialog>(h); },
        [](FakeHost& h) -> std::unique_ptr<QWidget> { return std::make_unique<PrestitiDialog>(h); },
        [](FakeHost& h) -> std::unique_ptr<QWidget> { return std::make_unique<CalendarDialog>(h); },
        [](FakeHost& h) -> std::unique_ptr<QWidget> {
            auto page = std::make_unique<OptionDialog>(h);
            page->setUpPage();
            return page;
        }));

TEST(Borders, AreWholeAroundAStickumsText) {
    Options options;
    Note note;
    note.setText("one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix");
    WPostIt* content = newStickum(options, &note);
    content->frame()->showStickum();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(content->frame()));
    EXPECT_EQ(hiddenFrames(*content->frame(), {content}), "")
        << "at scale " << content->devicePixelRatio();
    destroyStickum(content);
}

} // namespace
