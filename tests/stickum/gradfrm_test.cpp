// The main window's caption: kept pictures, the active gradient under its decorations, the
// flat inactive look, the shortened title and the close picture.
#include "look/gradient.h"
#include "look/images.h"
#include "resources/pictures.h"
#include "stickum/gradfrm.h"

#include <QPalette>
#include <QTest>

#include <gtest/gtest.h>

// Reads how the frame made and laid out its caption.
struct TGradFrameTestPeer {
    static int pictureBuilds(const TGradFrame& frame) { return frame.pictureBuilds_; }
    static const QString& shownTitle(const TGradFrame& frame) { return frame.shownTitle_; }
    static const CaptionMetrics& metrics(const TGradFrame& frame) { return frame.metrics_; }
};

namespace {

constexpr ColorRef kActive = rgb(0, 0, 200);
constexpr ColorRef kInactive = rgb(100, 100, 100);

struct Frame {
    Frame() : client(new QWidget), frame(QStringLiteral("Quillbox"), client) {
        QPalette palette = frame.palette();
        palette.setColor(QPalette::Active, QPalette::Highlight, toQColor(kActive));
        palette.setColor(QPalette::Inactive, QPalette::Dark, toQColor(kInactive));
        client->setFixedSize(600, 300);
        frame.setPalette(palette);
    }
    QWidget* client;
    TGradFrame frame;
};

QRgb rgbOf(ColorRef c) {
    return toQColor(c).rgb();
}

TEST(GradFrame, PicturesAreKeptUntilTheSizeOrTheColoursChange) {
    Frame f;
    TGradFrame& frame = f.frame;
    const int before = TGradFrameTestPeer::pictureBuilds(frame);
    const QImage active = frame.captionPicture(true);
    frame.captionPicture(true);
    frame.captionPicture(false);
    frame.captionPicture(false);
    EXPECT_EQ(TGradFrameTestPeer::pictureBuilds(frame), before + 2);
    EXPECT_EQ(active.size(), frame.captionRect().size());

    frame.move(frame.pos() + QPoint(40, 25)); // moving keeps them
    frame.captionPicture(true);
    EXPECT_EQ(TGradFrameTestPeer::pictureBuilds(frame), before + 2);

    frame.setFixedSize(frame.width() - 100, frame.height()); // a new size makes them again
    frame.captionPicture(true);
    EXPECT_EQ(TGradFrameTestPeer::pictureBuilds(frame), before + 3);
    EXPECT_EQ(frame.captionPicture(true).width(), frame.captionRect().width());

    QPalette palette = frame.palette(); // so do new colours
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(200, 0, 0));
    frame.setPalette(palette);
    const QImage red = frame.captionPicture(true);
    EXPECT_EQ(TGradFrameTestPeer::pictureBuilds(frame), before + 4);
    const int mid = red.height() / 2;
    EXPECT_EQ(red.pixel(red.width() * 5 / 6 + 2, mid), qRgb(200, 0, 0));
}

TEST(GradFrame, TheActiveGradientShowsThroughTheDecorationsGreen) {
    Frame f;
    TGradFrame& frame = f.frame;
    ASSERT_TRUE(frame.addDecoration(kCaptionDecorationClip, 150, -4));
    ASSERT_TRUE(frame.addDecoration(kCaptionDecorationQuill, 240, -4));
    const QImage picture = frame.captionPicture(true);
    const QImage gradient = makeGradient(picture.width(), picture.height(), 0, kActive);
    int shown = 0;
    int through = 0;
    for (const auto& [id, left] :
         {std::pair{kCaptionDecorationClip, 150}, std::pair{kCaptionDecorationQuill, 240}}) {
        const QImage decoration = Images::image(id, QSize(64, 32));
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = left; x < left + 64; ++x) {
                const QRgb own = decoration.pixel(x - left, y + 4);
                if (qRed(own) == 0 && qGreen(own) == 255 && qBlue(own) == 0) {
                    ASSERT_EQ(picture.pixel(x, y), gradient.pixel(x, y)) << x << "," << y;
                    ++through;
                } else {
                    ASSERT_EQ(picture.pixel(x, y), own | 0xFF000000) << x << "," << y;
                    ++shown;
                }
            }
        }
    }
    EXPECT_GT(shown, 50);
    EXPECT_GT(through, 1000);
}

TEST(GradFrame, InactiveAndDisabledCaptionsAreFlatWithoutDecorations) {
    Frame f;
    TGradFrame& frame = f.frame;
    ASSERT_TRUE(frame.addDecoration(kCaptionDecorationClip, 150, -4));
    const QImage picture = frame.captionPicture(false);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 150; x < 214; ++x)
            ASSERT_EQ(picture.pixel(x, y), rgbOf(kInactive)) << x << "," << y;

    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    EXPECT_TRUE(frame.captionActive());
    frame.setEnabled(false);
    EXPECT_FALSE(frame.captionActive());
    frame.setEnabled(true);
    EXPECT_TRUE(frame.captionActive());
}

TEST(GradFrame, DecorationsAreLimitedToTenOfTheRightSize) {
    Frame f;
    for (int i = 0; i < TGradFrame::kMaxDecorations; ++i)
        EXPECT_TRUE(f.frame.addDecoration(kCaptionDecorationQuill, i * 10, 0));
    EXPECT_FALSE(f.frame.addDecoration(kCaptionDecorationQuill, 0, 0));
    Frame g;
    EXPECT_FALSE(g.frame.addDecoration(12345, 0, 0));        // no such picture
    EXPECT_FALSE(g.frame.addDecoration(kProgramIcon, 0, 0)); // the icon is not 64 x 32
    EXPECT_EQ(g.frame.decorationCount(), 0);
}

TEST(GradFrame, ALongTitleEndsInAnEllipsisBeforeTheButtons) {
    Frame f;
    f.frame.captionPicture(true);
    EXPECT_EQ(TGradFrameTestPeer::shownTitle(f.frame), QStringLiteral("Quillbox "));
    f.frame.setWindowTitle(QString(200, QLatin1Char('W')));
    f.frame.captionPicture(true);
    const QString shown = TGradFrameTestPeer::shownTitle(f.frame);
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_LT(shown.size(), 200);
}

TEST(GradFrame, TheCaptionShowsCloseAndDisabledMaximiseButNoMinimise) {
    Frame f;
    TGradFrame& frame = f.frame;
    const QImage picture = frame.captionPicture(false);
    const QRect close = frame.closeButtonRect();
    const QRect maximise = close.translated(-TGradFrameTestPeer::metrics(frame).buttonWidth, 0);
    auto differs = [&](const QRect& r) {
        int count = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                count += picture.pixel(x, y) != rgbOf(kInactive) ? 1 : 0;
        return count;
    };
    EXPECT_GT(differs(close), close.width() * close.height() / 2);
    EXPECT_GT(differs(maximise), maximise.width() * maximise.height() / 2);
    const QRect minimise =
        maximise.translated(-(TGradFrameTestPeer::metrics(frame).buttonWidth - 2), 0);
    EXPECT_EQ(differs(minimise.adjusted(0, 0, -2, 0)), 0);
}

TEST(GradFrame, ACaptionClickOnTheClosePictureClosesTheWindow) {
    Frame f;
    TGradFrame& frame = f.frame;
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    QWidget* strip = frame.childAt(frame.captionRect().center());
    ASSERT_NE(strip, nullptr);
    QTest::mouseClick(strip, Qt::LeftButton, {}, frame.closeButtonRect().center());
    EXPECT_FALSE(frame.isVisible());
}

} // namespace
