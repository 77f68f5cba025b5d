#include "look/gradient.h"
#include "minititlebarpeer.h"
#include "stickum/buttonpictures.h"
#include "stickum/minititlebar.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A parent window with a 12-pixel title bar of the given width and buttons.
struct Strip {
    std::unique_ptr<QWidget> parent = std::make_unique<QWidget>();
    MiniTitleBar* bar;

    Strip(int width, int flags, const QString& caption = QStringLiteral("Stickum")) {
        parent->resize(width, 80);
        bar = new MiniTitleBar(parent.get(), caption, 12, 1);
        bar->setWidth(width);
        bar->setButtons(flags);
        bar->setWidth(width);
    }
    QImage draw() { return bar->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

void setColor(QWidget* w, QPalette::ColorGroup group, QPalette::ColorRole role, QColor color) {
    QPalette pal = w->palette();
    pal.setColor(group, role, color);
    w->setPalette(pal);
}

// Pixels of the colour left of x (the caption text, not the buttons).
int countPixels(const QImage& image, QRgb color, int right) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < right; ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
    }
    return n;
}

void send(QWidget* to, QEvent::Type type, QPoint global) {
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(to->mapFromGlobal(global)), QPointF(global),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(to, &event);
}

} // namespace

TEST(MiniTitleBar, StickumButtonsSitAtTheRightEnd) {
    Strip strip(100, MiniTitleBar::Close | MiniTitleBar::RollUp);
    ASSERT_EQ(strip.bar->buttonCount(), 2);
    const QWidget* close = strip.bar->button(MiniTitleBar::Close);
    const QWidget* roll = strip.bar->button(MiniTitleBar::RollUp);
    EXPECT_EQ(close->geometry(), QRect(90, 1, 10, 10));
    EXPECT_EQ(roll->geometry(), QRect(78, 1, 10, 10));
    EXPECT_EQ(MiniTitleBarTestPeer::textLeft(*strip.bar), 3);
    EXPECT_EQ(MiniTitleBarTestPeer::textRight(*strip.bar), 78);
    EXPECT_EQ(strip.bar->height(), 12);

    strip.bar->setWidth(160);
    EXPECT_EQ(close->x(), 150);
    EXPECT_EQ(roll->x(), 138);

    // Tall strips leave the border around their buttons.
    MiniTitleBar tall(strip.parent.get(), QStringLiteral("Main"), 24, 3);
    EXPECT_EQ(tall.buttonSize(), 16);
    EXPECT_EQ(tall.buttonTop(), 4);
}

TEST(MiniTitleBar, ButtonsFollowTheFlagsWithoutPilingUp) {
    Strip strip(120, MiniTitleBar::Close | MiniTitleBar::RollUp);
    strip.bar->setButtons(MiniTitleBar::Close | MiniTitleBar::RollUp | MiniTitleBar::Maximise |
                          MiniTitleBar::Minimise);
    strip.bar->setWidth(120);
    ASSERT_EQ(strip.bar->buttonCount(), 4);
    // Close, Maximise, RollUp, Minimise from the right.
    EXPECT_EQ(strip.bar->button(MiniTitleBar::Close)->x(), 110);
    EXPECT_EQ(strip.bar->button(MiniTitleBar::Maximise)->x(), 98);
    EXPECT_EQ(strip.bar->button(MiniTitleBar::RollUp)->x(), 88);
    EXPECT_EQ(strip.bar->button(MiniTitleBar::Minimise)->x(), 78);
    strip.bar->setButtons(MiniTitleBar::Close);
    EXPECT_EQ(strip.bar->buttonCount(), 1);
    EXPECT_FALSE(strip.bar->enableButton(MiniTitleBar::RollUp, false));
    EXPECT_FALSE(strip.bar->setButtonImage(MiniTitleBar::Close, 4242));
    EXPECT_TRUE(strip.bar->setButtonImage(MiniTitleBar::Close, PictureRollUp));
}

TEST(MiniTitleBar, DarkCaptionTextIsDrawnWhite) {
    Strip strip(200, MiniTitleBar::Close, QStringLiteral("WWWWWWWW"));
    setColor(strip.bar, QPalette::Active, QPalette::Highlight, QColor(0, 0, 128));
    setColor(strip.bar, QPalette::Active, QPalette::HighlightedText, QColor(64, 64, 64));
    const QImage dark = strip.draw();
    const int right = MiniTitleBarTestPeer::textRight(*strip.bar);
    EXPECT_GT(countPixels(dark, qRgb(255, 255, 255), right), 0);
    EXPECT_EQ(countPixels(dark, qRgb(64, 64, 64), right), 0);
    // A light caption-text colour is used as it is.
    setColor(strip.bar, QPalette::Active, QPalette::HighlightedText, QColor(255, 255, 0));
    const QImage light = strip.draw();
    EXPECT_GT(countPixels(light, qRgb(255, 255, 0), right), 0);
    EXPECT_EQ(countPixels(light, qRgb(255, 255, 255), right), 0);
}

TEST(MiniTitleBar, DrawsTheGradientInsideAFrameAndKeepsItUntilARebuild) {
    Strip strip(60, 0, QString());
    setColor(strip.bar, QPalette::Active, QPalette::Shadow, QColor(1, 2, 3));
    strip.bar->setColors(true, rgb(0, 0, 0), rgb(255, 0, 0));
    const QImage image = strip.draw();
    const QImage gradient = makeGradient(60, 12, rgb(0, 0, 0), rgb(255, 0, 0));
    EXPECT_EQ(image.pixel(0, 5) & 0xFFFFFF, qRgb(1, 2, 3) & 0xFFFFFF); // the outline
    EXPECT_EQ(image.pixel(30, 0) & 0xFFFFFF, qRgb(1, 2, 3) & 0xFFFFFF);
    EXPECT_EQ(image.pixel(26, 6), gradient.pixel(25, 6)); // the picture one pixel in

    // A new caption shows from the next rebuild only; the same colours change nothing.
    const QImage before = strip.bar->captionImage();
    strip.bar->setCaption(QStringLiteral("Hello there"));
    strip.bar->setColors(true, rgb(0, 0, 0), rgb(255, 0, 0));
    EXPECT_EQ(strip.bar->captionImage(), before);
    strip.bar->setWidth(61);
    EXPECT_NE(strip.bar->captionImage().copy(0, 0, 60, 12), before);
}

TEST(MiniTitleBar, CaptionKeepsAtMost49Bytes) {
    Strip strip(60, 0);
    strip.bar->setCaption(QString(60, u'x'));
    EXPECT_EQ(MiniTitleBarTestPeer::caption(*strip.bar).size(), 49);
    strip.bar->setCaption(QString(30, QChar(0x00E9))); // two bytes each, never half of one
    EXPECT_EQ(MiniTitleBarTestPeer::caption(*strip.bar).size(), 24);
}

TEST(MiniTitleBar, DisabledButtonIsDrawnGrey) {
    Strip strip(100, MiniTitleBar::Close);
    TitleBarButton* close = strip.bar->button(MiniTitleBar::Close);
    setColor(close, QPalette::Disabled, QPalette::WindowText, QColor(120, 121, 122));
    setColor(close, QPalette::Active, QPalette::Button, QColor(200, 200, 200));
    const QRgb stroke = close->grab().toImage().pixel(2, 2); // row 2, column 2 of the cross
    EXPECT_EQ(stroke & 0xFFFFFF, 0u);
    close->setEnabled(false);
    const QImage disabled = close->grab().toImage();
    EXPECT_EQ(disabled.pixel(2, 2) & 0xFFFFFF, qRgb(120, 121, 122) & 0xFFFFFF);
    EXPECT_EQ(disabled.pixel(5, 5) & 0xFFFFFF, qRgb(120, 121, 122) & 0xFFFFFF); // row 5, column 5
    EXPECT_EQ(disabled.pixel(4, 2) & 0xFFFFFF, qRgb(200, 200, 200) & 0xFFFFFF); // face between
}

TEST(MiniTitleBar, RollUpTogglesPictureAndMaximise) {
    Strip strip(120, MiniTitleBar::RollUp | MiniTitleBar::Maximise);
    QSignalSpy rolls(strip.bar, &MiniTitleBar::rollRequested);
    TitleBarButton* roll = strip.bar->button(MiniTitleBar::RollUp);
    TitleBarButton* maximise = strip.bar->button(MiniTitleBar::Maximise);
    roll->click();
    EXPECT_TRUE(strip.bar->rolledUp());
    EXPECT_EQ(roll->pictureId(), PictureRollDown);
    EXPECT_FALSE(maximise->isEnabled());
    roll->click();
    EXPECT_FALSE(strip.bar->rolledUp());
    EXPECT_EQ(roll->pictureId(), PictureRollUp);
    EXPECT_TRUE(maximise->isEnabled());
    ASSERT_EQ(rolls.count(), 2);
    EXPECT_TRUE(rolls.at(0).at(0).toBool());
    EXPECT_FALSE(rolls.at(1).at(0).toBool());
}

TEST(MiniTitleBar, DragMovesTheParentByThePointerDelta) {
    Strip strip(100, MiniTitleBar::Close);
    strip.parent->move(200, 150);
    const QPoint start = strip.parent->pos();
    send(strip.bar, QEvent::MouseButtonPress, QPoint(230, 155));
    send(strip.bar, QEvent::MouseMove, QPoint(240, 150));
    send(strip.bar, QEvent::MouseMove, QPoint(235, 170));
    send(strip.bar, QEvent::MouseButtonRelease, QPoint(235, 170));
    EXPECT_EQ(strip.parent->pos(), start + QPoint(5, 15));
    send(strip.bar, QEvent::MouseMove, QPoint(300, 300)); // released: no more moving
    EXPECT_EQ(strip.parent->pos(), start + QPoint(5, 15));
}

TEST(MiniTitleBar, MaximisedParentIsNotDragged) {
    Strip strip(100, MiniTitleBar::Close);
    strip.parent->showMaximized();
    const QPoint start = strip.parent->pos();
    send(strip.bar, QEvent::MouseButtonPress, QPoint(20, 5));
    EXPECT_FALSE(MiniTitleBarTestPeer::dragging(*strip.bar));
    send(strip.bar, QEvent::MouseMove, QPoint(60, 40));
    EXPECT_EQ(strip.parent->pos(), start);
}
