#include "stickum/gradfrm.h"

#include "look/gradient.h"
#include "look/images.h"
#include "stickum/windowaccessible.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <QtMath>
#include <qdrawutil.h>

#include <algorithm>

namespace {

QFont defaultCaptionFont() {
    QFont font = QApplication::font();
    font.setBold(true);
    return font;
}

enum class Glyph { Close, Maximise, Restore, Minimise };

// One caption button in the classic raised look, with its glyph; a disabled glyph is etched.
void drawCaptionButton(QPainter& painter, const QRect& r, Glyph glyph, bool enabled,
                       const QPalette& palette) {
    qDrawWinButton(&painter, r, palette, false, &palette.brush(QPalette::Button));
    const int side = std::max(std::min(r.width(), r.height()) - 6, 4);
    const QRect g(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
    auto drawGlyph = [&](const QColor& color, int offset) {
        painter.save();
        painter.translate(offset, offset);
        painter.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::SquareCap));
        painter.setRenderHint(QPainter::Antialiasing, glyph == Glyph::Close);
        switch (glyph) {
        case Glyph::Close:
            painter.drawLine(QPointF(g.left() + 0.5, g.top() + 0.5),
                             QPointF(g.right() - 0.5, g.bottom() - 0.5));
            painter.drawLine(QPointF(g.right() - 0.5, g.top() + 0.5),
                             QPointF(g.left() + 0.5, g.bottom() - 0.5));
            break;
        case Glyph::Maximise:
            painter.setPen(QPen(color, 1));
            painter.drawRect(g.adjusted(0, 0, -1, -1));
            painter.drawLine(g.left(), g.top() + 1, g.right() - 1, g.top() + 1);
            break;
        case Glyph::Restore:
            painter.setPen(QPen(color, 1));
            painter.drawRect(g.adjusted(2, 0, -1, -3));
            painter.drawRect(g.adjusted(0, 3, -3, -1));
            break;
        case Glyph::Minimise:
            painter.fillRect(QRect(g.left(), g.bottom() - 1, g.width() / 2 + 1, 2), color);
            break;
        }
        painter.restore();
    };
    if (enabled) {
        drawGlyph(palette.color(QPalette::Active, QPalette::ButtonText), 0);
    } else {
        drawGlyph(palette.color(QPalette::Active, QPalette::Light), 1);
        drawGlyph(palette.color(QPalette::Active, QPalette::Mid), 0);
    }
}

} // namespace

CaptionMetrics CaptionMetrics::forFont(const QFont& captionFont) {
    CaptionMetrics metrics;
    metrics.captionHeight = std::max(19, QFontMetrics(captionFont).height() + 6);
    metrics.buttonWidth = metrics.captionHeight - metrics.line;
    metrics.buttonHeight = metrics.captionHeight - metrics.line;
    return metrics;
}

CaptionColors CaptionColors::fromPalette(const QPalette& palette) {
    CaptionColors colors;
    colors.active = toColorRef(palette.color(QPalette::Active, QPalette::Highlight));
    colors.activeText = toColorRef(palette.color(QPalette::Active, QPalette::HighlightedText));
    colors.inactive = toColorRef(palette.color(QPalette::Inactive, QPalette::Dark));
    colors.inactiveText = toColorRef(palette.color(QPalette::Inactive, QPalette::Light));
    return colors;
}

// The caption: paints the kept picture and turns mouse presses into moving or closing.
class GradCaptionStrip : public QWidget {
    Q_OBJECT
public:
    explicit GradCaptionStrip(TGradFrame* frame) : QWidget(frame), frame_(frame) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (frame_->isMinimized()) return;
        // Drawn for the state the window is in now: a change of it may have come while the
        // window was minimised or hidden, when nothing was drawn.
        QPainter painter(this);
        painter.drawImage(0, 0, frame_->captionPicture(frame_->captionActive()));
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
        closePressed_ = frame_->closeButtonRect().contains(event->position().toPoint());
        if (closePressed_) return;
        QWindow* window = frame_->windowHandle();
        if (window && window->startSystemMove()) return;
        // No window manager to move us: follow the mouse ourselves.
        dragOffset_ = event->globalPosition().toPoint() - frame_->pos();
        dragging_ = true;
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        if (dragging_) frame_->move(event->globalPosition().toPoint() - dragOffset_);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        dragging_ = false;
        if (event->button() != Qt::LeftButton || !closePressed_) return;
        closePressed_ = false;
        if (frame_->closeButtonRect().contains(event->position().toPoint())) frame_->close();
    }

private:
    TGradFrame* frame_;
    bool closePressed_ = false;
    bool dragging_ = false;
    QPoint dragOffset_;
};

TGradFrame::TGradFrame(const QString& title, QWidget* client)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), client_(client),
      strip_(new GradCaptionStrip(this)) {
    installWindowAccessibility();
    setWindowTitle(title);
    captionFont_ = defaultCaptionFont();
    haveCaptionFont_ = true;
    metrics_ = CaptionMetrics::forFont(captionFont_);
    colors_ = CaptionColors::fromPalette(palette());
    if (client_) client_->setParent(this);
    fitToClient();
}

TGradFrame::~TGradFrame() = default;

bool TGradFrame::addDecoration(int pictureId, int x, int y) {
    if (decorationCount() >= kMaxDecorations) return false;
    if (Images::naturalSize(pictureId) != kDecorationSize) return false;
    QImage picture = Images::image(pictureId, kDecorationSize);
    if (picture.isNull()) return false;
    decorations_.push_back({picture.convertToFormat(QImage::Format_RGB32), x, y});
    activePicture_ = QImage();
    return true;
}

void TGradFrame::setCaptionButtons(bool minimiseBox, bool maximiseBox) {
    minimiseBox_ = minimiseBox;
    maximiseBox_ = maximiseBox;
    resetCaption();
}

void TGradFrame::resetCaption() {
    haveCaptionFont_ = false;
    inactivePicture_ = QImage();
    activePicture_ = QImage();
    captionBar_ = QRect(-1, -1, -1, -1);
    strip_->update();
}

QRect TGradFrame::captionRect() const {
    const int bx = metrics_.frame;
    const int top = metrics_.frame;
    const int bottom = top + metrics_.captionHeight - metrics_.line;
    return QRect(QPoint(bx, top), QPoint(width() - bx - 1, bottom - 1));
}

QRect TGradFrame::closeButtonRect() const {
    const int w = captionRect().width();
    return QRect(QPoint(w - metrics_.buttonWidth, 2), QPoint(w - 3, metrics_.buttonHeight - 3));
}

const QImage& TGradFrame::captionPicture(bool active) {
    const QRect bar = captionRect();
    const qreal ratio = strip_->devicePixelRatioF();
    if (bar != captionBar_ || captionRatio_ != ratio) {
        captionRatio_ = ratio;
        inactivePicture_ = QImage();
        activePicture_ = QImage();
        captionBar_ = bar;
    }
    QImage& picture = active ? activePicture_ : inactivePicture_;
    if (picture.isNull()) picture = makePicture(active, bar.size());
    return picture;
}

QImage TGradFrame::makePicture(bool active, QSize size) {
    ++pictureBuilds_;
    const int w = std::max(size.width(), 1);
    const int h = std::max(size.height(), 1);
    // Made in the screen's own pixels, so that a high-density screen shows it sharp; everything
    // below draws in the strip's pixels.
    const qreal ratio = captionRatio_;
    QImage picture = active ? makeGradient(w, h, ratio, rgb(0, 0, 0), colors_.active)
                            : makeSolid(w, h, ratio, colors_.inactive);
    if (active) {
        for (const Decoration& decoration : decorations_)
            putDecoration(picture, decoration, ratio);
    }

    QPainter painter(&picture);
    const int cw = metrics_.buttonWidth;
    const int ch = metrics_.buttonHeight;
    const QIcon icon = windowIcon();
    if (!icon.isNull()) icon.paint(&painter, QRect(2, 1, cw - 2, ch - 2));
    painter.end();

    int lastButtonLeft = w;
    drawButtons(picture, lastButtonLeft);

    if (!haveCaptionFont_) {
        captionFont_ = defaultCaptionFont();
        haveCaptionFont_ = true;
    }
    painter.begin(&picture);
    painter.setFont(captionFont_);
    painter.setPen(toQColor(active ? captionTextColor(colors_.activeText) : colors_.inactiveText));
    const QRect titleBox(QPoint(cw + 2, 0), QPoint(lastButtonLeft - 2 - 1, h - 1));
    shownTitle_ = QFontMetrics(captionFont_)
                      .elidedText(windowTitle() + QLatin1Char(' '), Qt::ElideRight,
                                  std::max(titleBox.width(), 0));
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shownTitle_);
    return picture;
}

void TGradFrame::putDecoration(QImage& picture, const Decoration& decoration, qreal ratio) {
    // Each of the decoration's pixels covers ratio x ratio pixels of the picture.
    const QRgb transparent = decoration.picture.pixel(0, 0);
    const int left = qRound(decoration.x * ratio);
    const int top = qRound(decoration.y * ratio);
    const int across = qRound(decoration.picture.width() * ratio);
    const int down = qRound(decoration.picture.height() * ratio);
    for (int y = 0; y < down; ++y) {
        const int py = top + y;
        if (py < 0 || py >= picture.height()) continue;
        const int sy = std::min(static_cast<int>(y / ratio), decoration.picture.height() - 1);
        for (int x = 0; x < across; ++x) {
            const int px = left + x;
            const int sx = std::min(static_cast<int>(x / ratio), decoration.picture.width() - 1);
            const QRgb pixel = decoration.picture.pixel(sx, sy);
            if (px >= 0 && px < picture.width() && pixel != transparent)
                picture.setPixel(px, py, pixel);
        }
    }
}

void TGradFrame::drawButtons(QImage& picture, int& lastButtonLeft) const {
    QPainter painter(&picture);
    const QPalette& pal = palette();
    for (const CaptionButton button : captionButtons()) {
        Glyph glyph = Glyph::Close;
        if (button == CaptionButton::Maximise)
            glyph = isMaximized() ? Glyph::Restore : Glyph::Maximise;
        if (button == CaptionButton::Minimise) glyph = Glyph::Minimise;
        const QRect b = captionButtonRect(button);
        drawCaptionButton(painter, b, glyph, captionButtonEnabled(button), pal);
        lastButtonLeft = b.left();
    }
}

std::vector<TGradFrame::CaptionButton> TGradFrame::captionButtons() const {
    if (minimiseBox_)
        return {CaptionButton::Close, CaptionButton::Maximise, CaptionButton::Minimise};
    return {CaptionButton::Close, CaptionButton::Maximise};
}

QRect TGradFrame::captionButtonRect(CaptionButton button) const {
    const int cw = metrics_.buttonWidth;
    switch (button) {
    case CaptionButton::Close:
        return closeButtonRect();
    case CaptionButton::Maximise:
        return closeButtonRect().translated(-cw, 0);
    case CaptionButton::Minimise:
        return closeButtonRect().translated(-cw - (cw - 2), 0);
    }
    return {};
}

bool TGradFrame::captionButtonEnabled(CaptionButton button) const {
    return button != CaptionButton::Maximise || maximiseBox_;
}

void TGradFrame::pressCaptionButton(CaptionButton button) {
    if (!captionButtonEnabled(button)) return;
    switch (button) {
    case CaptionButton::Close:
        close();
        break;
    case CaptionButton::Maximise:
        isMaximized() ? showNormal() : showMaximized();
        break;
    case CaptionButton::Minimise:
        showMinimized();
        break;
    }
}

void TGradFrame::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::ActivationChange:
    case QEvent::EnabledChange:
    case QEvent::WindowStateChange: // nothing is drawn while minimised
        strip_->update();
        break;
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        colors_ = CaptionColors::fromPalette(palette());
        resetCaption();
        break;
    case QEvent::FontChange:
        metrics_ = CaptionMetrics::forFont(defaultCaptionFont());
        resetCaption();
        fitToClient();
        break;
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
        // The title and the icon are part of the kept pictures.
        if (strip_) resetCaption();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void TGradFrame::paintEvent(QPaintEvent*) {
    // The border and the line under the caption, in the dialog frame's raised look.
    QPainter painter(this);
    painter.fillRect(rect(), palette().brush(QPalette::Window));
    qDrawWinPanel(&painter, rect(), palette(), false);
}

void TGradFrame::resizeEvent(QResizeEvent* event) {
    layOut();
    QWidget::resizeEvent(event);
}

void TGradFrame::layOut() {
    const QRect caption = captionRect();
    strip_->setGeometry(caption);
    if (client_) {
        const int top = metrics_.frame + metrics_.captionHeight;
        client_->setGeometry(metrics_.frame, top, width() - 2 * metrics_.frame,
                             height() - top - metrics_.frame);
    }
}

void TGradFrame::fitToClient() {
    if (client_) {
        const QSize inner = client_->size();
        setFixedSize(inner.width() + 2 * metrics_.frame,
                     inner.height() + metrics_.captionHeight + 2 * metrics_.frame);
    }
    layOut();
}

#include "gradfrm.moc"
