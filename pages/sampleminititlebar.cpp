#include "pages/sampleminititlebar.h"

#include "look/gradient.h"
#include "look/l10n.h"
#include "look/stickumlook.h"
#include "model/catalogue.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int kFirstSide = 10;
}

SampleMiniTitleBar::SampleMiniTitleBar(const Options& options, QWidget* parent)
    : QWidget(parent), options_(options), font_(captionFont(kCaptionHeight)) {
    setGeometry(0, 0, kFirstSide, kFirstSide);
}

void SampleMiniTitleBar::placeOver(QWidget* placeholder) {
    if (!placeholder) return;
    const QRect place = placeholder->geometry();
    placeholder->hide();
    setGeometry(place.left(), place.top(), place.width(), kHeight);
    raise();
}

QImage SampleMiniTitleBar::captionImage() const {
    // In the screen's own pixels, as a Stickum's title bar is.
    QImage image = makeGradient(width(), kCaptionHeight, devicePixelRatioF(), rgb(0, 0, 0),
                                options_.titleBarColor);
    if (image.isNull()) return image;
    QPainter p(&image);
    p.setFont(font_);
    p.setPen(toQColor(captionTextColor(toColorRef(desktop::captionText(palette())))));
    const QRect textRect(QPoint(0, -2), QPoint(width() - 3, kCaptionHeight - 1));
    const QString caption = l10n::text(msg::StickumTitle);
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
               QFontMetrics(font_).elidedText(caption, Qt::ElideRight, textRect.width()));
    return image;
}

void SampleMiniTitleBar::paintEvent(QPaintEvent*) {
    const QImage caption = captionImage();
    QPainter p(this);
    p.setPen(desktop::windowFrame(palette()));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QSizeF part(width() - 2, kCaptionHeight);
    p.drawImage(QRectF(QPointF(1, 1), part), caption,
                QRectF(QPointF(0, 0), part * caption.devicePixelRatio()));
}
