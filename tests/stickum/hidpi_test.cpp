// A Stickum's title bar and the main window's caption on a high-density screen. Run once per
// scale (QT_SCALE_FACTOR 1, 1.5 and 2): everything keeps its proportions and the pictures are
// drawn in the screen's own pixels.
#include "look/stickumlook.h"
#include "stickum/buttonpictures.h"
#include "stickum/gradfrm.h"
#include "stickum/minititlebar.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

int blackPixels(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == 0;
    }
    return n;
}

TEST(HighDensity, TheTitleBarKeepsItsProportionsAndSharpPictures) {
    auto parent = std::make_unique<QWidget>();
    parent->resize(160, 80);
    auto* bar = new MiniTitleBar(parent.get(), QString(), 12, 1);
    bar->setWidth(160);
    bar->setButtons(MiniTitleBar::Close | MiniTitleBar::RollUp);
    bar->setWidth(160);
    const qreal ratio = bar->devicePixelRatioF();
    const QImage shot = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    SCOPED_TRACE(ratio);

    // 12 pixels high at scale 1, 24 at scale 2.
    EXPECT_EQ(shot.size(), QSize(qRound(160 * ratio), qRound(12 * ratio)));
    // The 1-pixel outline is there at every scale, top and bottom.
    const QRgb frame = desktop::windowFrame(bar->palette()).rgb();
    for (const int y : {0, shot.height() - 1})
        EXPECT_EQ(shot.pixel(shot.width() / 3, y), frame) << "row " << y;

    // The caption gradient is drawn one picture pixel to one screen pixel.
    const QImage caption = bar->captionImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(caption.height(), qCeil(12 * ratio));
    const int offset = qRound(ratio); // the outline's width on the screen
    const int row = shot.height() / 2;
    for (int x = 0; x < shot.width() / 2; ++x)
        ASSERT_EQ(shot.pixel(x + offset, row), caption.pixel(x, row - offset)) << "x " << x;

    // The Close picture: as many black pixels as the picture made for the screen's pixels has,
    // and at scale 2 the very same pixels, none blended.
    const QWidget* close = bar->button(MiniTitleBar::Close);
    const QRect face = close->geometry().adjusted(1, 1, -1, -1);
    const QRect onScreen(QPoint(qRound(face.x() * ratio), qRound(face.y() * ratio)),
                         QSize(qRound(face.width() * ratio), qRound(face.height() * ratio)));
    const QPalette& pal = bar->palette();
    const QImage picture = buttonPicture(
        PictureClose, onScreen.width(),
        {desktop::buttonShadow(pal), desktop::buttonFace(pal), desktop::buttonLight(pal)});
    EXPECT_EQ(blackPixels(shot, close->geometry().isEmpty() ? QRect() : onScreen),
              blackPixels(picture, picture.rect()));
    if (ratio == 2) {
        // (The button's shadow edge covers the picture's last column and row.)
        for (int y = 0; y < picture.height() - 2; ++y) {
            for (int x = 0; x < picture.width() - 2; ++x)
                ASSERT_EQ(shot.pixel(onScreen.topLeft() + QPoint(x, y)), picture.pixel(x, y))
                    << x << "," << y;
        }
    }
}

TEST(HighDensity, TheMainCaptionIsMadeInTheScreensPixels) {
    auto* client = new QWidget;
    client->setFixedSize(400, 200);
    TGradFrame frame(QStringLiteral("Quillbox"), client);
    const qreal ratio = frame.devicePixelRatioF();
    const QImage& picture = frame.captionPicture(true);
    EXPECT_EQ(picture.devicePixelRatio(), ratio);
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), frame.captionRect().size());
}

} // namespace
