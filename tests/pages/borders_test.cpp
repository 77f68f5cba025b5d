// Framed controls keep their one-pixel frames on all four sides at fractional scales (the
// program runs once per scale: 1, 1.25, 1.5, 1.75): nothing inside paints over them.
#include "fakehost.h"
#include "pages/calendardialog.h"
#include "pages/notesdialog.h"
#include "pages/optiondialog.h"
#include "pages/prestitidialog.h"
#include "stickum/smallframe.h"
#include "stickum/stickum.h"

#include <QFrame>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// Every framed control of the widget (and of `also` those in it, framed by one pixel) whose frame
// does not show on every side: at the middle of a side, no screen pixel of the frame differs
// from both what lies just inside it and what lies just outside it.
std::string hiddenFrames(QWidget& top, const QList<QWidget*>& also = {}) {
    const QPixmap grabbed = top.grab();
    const QImage shot = grabbed.toImage();
    const qreal ratio = grabbed.devicePixelRatio();
    const auto pixel = [&](QPointF p) {
        return shot.pixel(int(std::floor(p.x() * ratio)), int(std::floor(p.y() * ratio)));
    };
    QString faults;
    const auto probe = [&](QWidget* w, int width) {
        const QRectF r(w->mapTo(&top, QPoint(0, 0)), w->size());
        const QPointF mid = r.center();
        // Each side's outer edge at its middle, and the way in.
        const std::tuple<const char*, QPointF, QPointF> sides[] = {
            {"left", {r.left(), mid.y()}, {1, 0}},
            {"right", {r.right(), mid.y()}, {-1, 0}},
            {"top", {mid.x(), r.top()}, {0, 1}},
            {"bottom", {mid.x(), r.bottom()}, {0, -1}}};
        for (const auto& [name, edge, inward] : sides) {
            const QRgb inside = pixel(edge + inward * (width + 2));
            const QRgb outside = pixel(edge - inward * 2);
            bool seen = false;
            for (qreal t = -0.5 / ratio; t < width + 0.5 / ratio && !seen; t += 0.5 / ratio) {
                const QRgb line = pixel(edge + inward * t);
                seen = line != inside && line != outside;
            }
            if (!seen) faults += QStringLiteral("%1 %2; ").arg(w->metaObject()->className(), name);
        }
    };
    for (QFrame* frame : top.findChildren<QFrame*>())
        if (frame->isVisibleTo(&top) && frame->frameShape() != QFrame::NoFrame &&
            frame->frameWidth() > 0 && frame->width() >= 12 && frame->height() >= 12)
            probe(frame, frame->frameWidth());
    for (QWidget* framed : also)
        if (top.isAncestorOf(framed)) probe(framed, 1);
    return faults.toStdString();
}

TEST(Borders, AreWholeOnEveryPageAndAroundAStickumsText) {
    FakeHost host;
    host.todayIs = makeDate(2, 3, 1998);
    Note note;
    note.setText("one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix");
    StickumSession session;
    WPostIt* stickum = newStickum(host.settings, session, &note);
    stickum->frame()->showStickum();
    auto options = std::make_unique<OptionDialog>(host);
    options->setUpPage();
    std::unique_ptr<QWidget> pages[] = {std::make_unique<NotesDialog>(host),
                                        std::make_unique<PrestitiDialog>(host),
                                        std::make_unique<CalendarDialog>(host), std::move(options)};
    for (const auto& page : pages)
        page->show();
    for (QWidget* shown : {pages[0].get(), pages[1].get(), pages[2].get(), pages[3].get(),
                           static_cast<QWidget*>(stickum->frame())}) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
        EXPECT_EQ(hiddenFrames(*shown, {stickum}), "") << "at scale " << shown->devicePixelRatio();
    }
    destroyStickum(stickum);
}

} // namespace
