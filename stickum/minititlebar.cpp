#include "stickum/minititlebar.h"

#include "look/gradient.h"
#include "look/recordtext.h"
#include "look/stickumlook.h"
#include "model/text.h"
#include "stickum/buttonpictures.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include <array>
#include <utility>

namespace {

// Fills the rectangle from (l, t) to (r, b), right and bottom excluded.
void fillSpan(QPainter& p, int l, int t, int r, int b, const QColor& color) {
    if (r > l && b > t) p.fillRect(l, t, r - l, b - t, color);
}

// A 1-pixel frame just inside the rectangle.
void outline(QPainter& p, const QRect& r, const QColor& color) {
    const int l = r.left();
    const int t = r.top();
    const int rr = l + r.width();
    const int b = t + r.height();
    fillSpan(p, l, t, rr, t + 1, color);
    fillSpan(p, l, b - 1, rr, b, color);
    fillSpan(p, l, t, l + 1, b, color);
    fillSpan(p, rr - 1, t, rr, b, color);
}

// Buttons are made in this order and laid out from the right end in the same order.
constexpr std::array<std::pair<int, int>, 4> kButtonOrder = {{
    {MiniTitleBar::Close, PictureClose},
    {MiniTitleBar::Maximise, PictureMaximise},
    {MiniTitleBar::RollUp, PictureRollUp},
    {MiniTitleBar::Minimise, PictureMinimise},
}};

} // namespace

TitleBarButton::TitleBarButton(int flag, int size, QWidget* parent)
    : QAbstractButton(parent), flag_(flag) {
    setFocusPolicy(Qt::TabFocus);
    setFixedSize(size, size);
}

void TitleBarButton::setPicture(int pictureId, const QImage& picture) {
    pictureId_ = pictureId;
    icon_ = picture;
    grayImage_ = QImage();
    update();
}

const QImage& TitleBarButton::grayImage(const QRect& face) {
    const qreal ratio = icon_.devicePixelRatio();
    if (grayImage_.isNull() || grayImage_.devicePixelRatio() != ratio) {
        const QColor faceColor = desktop::buttonFace(palette());
        // Made at the picture's own resolution, so that no stroke of it is lost.
        const QSize pixels(qRound(face.width() * ratio), qRound(face.height() * ratio));
        QImage drawn(pixels, QImage::Format_RGB32);
        drawn.fill(faceColor);
        {
            QPainter p(&drawn);
            p.drawImage(QRect(QPoint(0, 0), pixels), icon_);
        }
        grayImage_ = QImage(pixels, QImage::Format_RGB32);
        grayImage_.setDevicePixelRatio(ratio);
        grayImage_.fill(faceColor);
        const QRgb gray = desktop::grayText(palette()).rgb();
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if ((drawn.pixel(x, y) & 0xFFFFFF) == 0) grayImage_.setPixel(x, y, gray);
            }
        }
    }
    return grayImage_;
}

void TitleBarButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    const QRect r = rect();
    // The frame shows in the highlight colour while the keys are on the button.
    outline(p, r, hasFocus() ? pal.color(QPalette::Highlight) : desktop::windowFrame(pal));
    const QRect d = r.adjusted(1, 1, -1, -1);
    p.fillRect(d, desktop::buttonFace(pal));
    const bool pressed = isDown();
    if (isEnabled()) {
        const int shift = pressed ? 1 : 0;
        p.drawImage(QRect(d.topLeft() + QPoint(shift, shift), d.size()), icon_);
    } else {
        p.drawImage(d.topLeft(), grayImage(d));
    }
    const int l = d.left();
    const int t = d.top();
    const int rr = l + d.width();
    const int b = t + d.height();
    const QColor highlight = desktop::buttonHighlight(pal);
    const QColor shadow = desktop::buttonShadow(pal);
    if (!pressed) {
        fillSpan(p, l - 1, t - 1, rr, t, highlight);
        fillSpan(p, l - 1, t, l, b, highlight);
        fillSpan(p, rr - 1, t, rr, b, shadow);
        fillSpan(p, l, b - 1, rr - 1, b, shadow);
    } else {
        fillSpan(p, l, t, rr - 1, t + 1, shadow);
        fillSpan(p, l, t, l + 1, b, shadow);
        fillSpan(p, l - 1, b, rr + 1, b + 1, highlight);
        fillSpan(p, rr, t - 1, rr + 1, b, highlight);
    }
}

MiniTitleBar::MiniTitleBar(QWidget* parent, const QString& caption, int height, int border)
    : QWidget(parent), height_(height), border_(border),
      caption_(cutToBytes(caption, kCaptionBytes)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void MiniTitleBar::setCaption(const QString& caption) {
    caption_ = cutToBytes(caption, kCaptionBytes);
}

void MiniTitleBar::setColors(bool gradient, ColorRef startColor, ColorRef endColor) {
    if (gradient == gradient_ && startColor == startColor_ && endColor == endColor_) return;
    gradient_ = gradient;
    startColor_ = startColor;
    endColor_ = endColor;
    rebuild();
    update();
}

int MiniTitleBar::buttonSize() const {
    return height_ >= 15 ? height_ - 2 * border_ - 2 : height_ - 2;
}

int MiniTitleBar::buttonTop() const {
    return height_ >= 15 ? border_ + 1 : 1;
}

TitleBarButton* MiniTitleBar::button(int flag) const {
    for (TitleBarButton* b : buttons_) {
        if (b->flag() == flag) return b;
    }
    return nullptr;
}

QImage MiniTitleBar::loadPicture(int pictureId) const {
    const QPalette& pal = palette();
    // Made in the screen's own pixels: on a high-density screen the strokes stay sharp.
    const qreal ratio = devicePixelRatioF();
    QImage picture = buttonPicture(
        pictureId, qRound((buttonSize() - 2) * ratio),
        {desktop::buttonShadow(pal), desktop::buttonFace(pal), desktop::buttonLight(pal)});
    picture.setDevicePixelRatio(ratio);
    return picture;
}

void MiniTitleBar::followPixelRatio() {
    if (captionImage_.isNull() || captionImage_.devicePixelRatio() == devicePixelRatioF()) return;
    for (TitleBarButton* b : buttons_)
        b->setPicture(b->pictureId(), loadPicture(b->pictureId()));
    rebuild();
}

void MiniTitleBar::addButton(int flag, int pictureId) {
    if (buttonCount() >= kMaxButtons) return;
    const QImage picture = loadPicture(pictureId);
    if (picture.isNull()) return;
    auto* b = new TitleBarButton(flag, buttonSize(), this);
    b->setPicture(pictureId, picture);
    nameButton(b);
    connect(b, &QAbstractButton::clicked, this, [this, flag] { buttonClicked(flag); });
    b->show();
    buttons_.push_back(b);
}

void MiniTitleBar::nameButton(TitleBarButton* button) const {
    if (!button) return;
    switch (button->flag()) {
    case Maximise:
        button->setAccessibleName(maximised_ ? tr("Restore") : tr("Maximise"));
        break;
    case Minimise:
        button->setAccessibleName(tr("Minimise"));
        break;
    case Close:
        button->setAccessibleName(tr("Close"));
        break;
    case RollUp:
        button->setAccessibleName(rolledUp_ ? tr("Unroll") : tr("Roll up"));
        break;
    default:
        break;
    }
}

void MiniTitleBar::setButtons(int flags) {
    if (flags == buttonFlags_) return;
    buttonFlags_ = flags;
    // The buttons follow the flags: a second call does not pile up copies of the first ones.
    for (TitleBarButton* b : buttons_)
        delete b;
    buttons_.clear();
    for (const auto& [flag, picture] : kButtonOrder) {
        if (!(flags & flag)) continue;
        int id = picture;
        if (flag == RollUp && rolledUp_) id = PictureRollDown;
        if (flag == Maximise && maximised_) id = PictureRestore;
        addButton(flag, id);
    }
    if (rolledUp_) enableButton(Maximise, false);
    if (maximised_) enableButton(RollUp, false);
    layoutButtons(workOutCaptionRect().width() - 1);
}

bool MiniTitleBar::enableButton(int flag, bool enabled) {
    TitleBarButton* b = button(flag);
    if (!b) return false;
    b->setEnabled(enabled);
    return true;
}

bool MiniTitleBar::setButtonImage(int flag, int pictureId) {
    TitleBarButton* b = button(flag);
    if (!b) return false;
    const QImage picture = loadPicture(pictureId);
    if (picture.isNull()) return false;
    b->setPicture(pictureId, picture);
    b->repaint();
    return true;
}

QRect MiniTitleBar::workOutCaptionRect() const {
    QRect r = geometry();
    const bool absurd = r.width() <= 0 || r.height() <= 0 || r.width() > 3000 || r.height() > 3000;
    if (absurd && parentWidget()) r = QRect(parentWidget()->pos(), parentWidget()->size());
    return QRect(0, 0, r.width(), height_);
}

void MiniTitleBar::rebuild() {
    if (!ready_) return;
    captionRect_ = workOutCaptionRect();
    const int w = captionRect_.width();
    // Drawn in the screen's own pixels; painted on in the strip's.
    const qreal ratio = devicePixelRatioF();
    captionImage_ =
        gradient_ ? makeGradient(w, height_, ratio, startColor_, endColor_)
                  : makeSolid(w, height_, ratio, toColorRef(desktop::activeCaption(palette())));
    if (!hasFont_) {
        font_ = captionFont(height_ < 15 ? height_ - 2 : height_ - 2 - 2 * border_);
        hasFont_ = true;
    }
    if (textRight_ == -1) textRight_ = w;
    const int top = height_ < 15 ? -1 : 1;
    const QRect textRect(QPoint(textLeft_, top), QPoint(textRight_ - 1, height_ - 2));
    if (captionImage_.isNull() || textRect.width() <= 0) return;
    QPainter p(&captionImage_);
    p.setFont(font_);
    p.setPen(toQColor(captionTextColor(toColorRef(desktop::captionText(palette())))));
    const QString shown =
        QFontMetrics(font_).elidedText(caption_, Qt::ElideRight, textRect.width());
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

void MiniTitleBar::layoutButtons(int x) {
    const int s = buttonSize();
    textLeft_ = 3;
    textRight_ = x;
    for (TitleBarButton* b : buttons_)
        textRight_ -= s + (b->flag() == Close ? 2 : 0);
    rebuild();
    int left = x;
    for (TitleBarButton* b : buttons_) {
        left -= s;
        b->move(left, buttonTop());
        if (b->flag() == Close) left -= 2;
    }
}

void MiniTitleBar::setWidth(int width) {
    if (width <= 0) return;
    resize(width, height_);
    layoutButtons(width);
    update();
}

void MiniTitleBar::paintEvent(QPaintEvent*) {
    ready_ = true;
    if (captionImage_.isNull()) rebuild();
    followPixelRatio(); // moved to a screen of another density
    QPainter p(this);
    outline(p, captionRect_, desktop::windowFrame(palette()));
    const qreal ratio = captionImage_.devicePixelRatio();
    const QSizeF part(captionRect_.width() - 2, height_ - 2);
    p.drawImage(QRectF(QPointF(1, 1), part), captionImage_, QRectF(QPointF(0, 0), part * ratio));
}

void MiniTitleBar::resizeEvent(QResizeEvent*) {
    if (width() != captionRect_.width() || captionImage_.isNull()) layoutButtons(width());
}

void MiniTitleBar::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::ThemeChange:
        rebuild();
        update();
        break;
    case QEvent::ActivationChange:
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void MiniTitleBar::dragPress(const QPoint& globalPos) {
    QWidget* target = parentWidget();
    if (!target || target->isMaximized()) {
        dragging_ = false;
        return;
    }
    dragging_ = true;
    dragMoved_ = false;
    dragOrigin_ = globalPos;
}

void MiniTitleBar::dragMove(const QPoint& globalPos) {
    QWidget* target = parentWidget();
    if (!dragging_ || !target) return;
    if (globalPos == dragOrigin_) return;
    target->move(target->pos() + (globalPos - dragOrigin_));
    dragOrigin_ = globalPos;
    dragMoved_ = true;
}

void MiniTitleBar::dragRelease() {
    const bool moved = dragging_ && dragMoved_;
    dragging_ = false;
    dragMoved_ = false;
    if (moved) emit dragged();
}

void MiniTitleBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragPress(event->globalPosition().toPoint());
}

void MiniTitleBar::mouseMoveEvent(QMouseEvent* event) {
    dragMove(event->globalPosition().toPoint());
}

void MiniTitleBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragRelease();
}

void MiniTitleBar::buttonClicked(int flag) {
    QWidget* target = parentWidget();
    switch (flag) {
    case Maximise:
        if (!maximised_) {
            enableButton(RollUp, false);
            setButtonImage(Maximise, PictureRestore);
            if (target) target->showMaximized();
        } else {
            enableButton(RollUp, true);
            setButtonImage(Maximise, PictureMaximise);
            if (target) target->showNormal();
        }
        maximised_ = !maximised_;
        nameButton(button(Maximise));
        break;
    case Minimise:
        if (target) target->showMinimized();
        break;
    case Close:
        if (target) target->close();
        break;
    case RollUp: {
        const bool up = !rolledUp_;
        enableButton(Maximise, !up);
        setButtonImage(RollUp, up ? PictureRollDown : PictureRollUp);
        rolledUp_ = up;
        nameButton(button(RollUp));
        emit rollRequested(up);
        break;
    }
    default:
        break;
    }
}
