#include "look/frameontop.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// QFrame draws its frame in a protected function; this makes it reachable.
struct FramePainter : QFrame {
    using QFrame::drawFrame;
};

// The layer reaches this far around the framed widget.
constexpr int kOutset = 1;

} // namespace

FrameOnTop::FrameOnTop(QWidget* framed, Draw draw)
    : QWidget(framed->parentWidget()), framed_(framed), draw_(std::move(draw)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    framed->installEventFilter(this);
    // The layer goes with its widget.
    connect(framed, &QObject::destroyed, this, [this] { delete this; });
    follow();
}

bool FrameOnTop::needed() {
    const qreal ratio = qGuiApp->devicePixelRatio();
    return ratio != std::floor(ratio);
}

void FrameOnTop::coverScrollAreas(QWidget* root) {
    if (!needed()) return;
    for (QAbstractScrollArea* area : root->findChildren<QAbstractScrollArea*>()) {
        const bool covered = std::ranges::any_of(
            area->parentWidget()->findChildren<FrameOnTop*>(Qt::FindDirectChildrenOnly),
            [area](const FrameOnTop* layer) { return layer->framed_ == area; });
        if (area->frameShape() == QFrame::NoFrame || covered) continue;
        new FrameOnTop(area, [area](QPainter& painter) {
            void (QFrame::*drawFrame)(QPainter*) = &FramePainter::drawFrame;
            (area->*drawFrame)(&painter);
        });
    }
}

void FrameOnTop::follow() {
    // A widget without a parent yet (a Stickum's text before its frame takes it) is covered
    // once it has one.
    if (!framed_ || !framed_->parentWidget()) return hide();
    if (parentWidget() != framed_->parentWidget()) setParent(framed_->parentWidget());
    setGeometry(framed_->geometry().adjusted(-kOutset, -kOutset, kOutset, kOutset));
    setVisible(framed_->isVisibleTo(parentWidget()));
    raise();
}

void FrameOnTop::paintEvent(QPaintEvent*) {
    if (!framed_) return;
    QPainter painter(this);
    painter.translate(kOutset, kOutset);
    draw_(painter);
}

bool FrameOnTop::eventFilter(QObject* watched, QEvent* event) {
    if (watched == framed_) {
        switch (event->type()) {
        case QEvent::ParentChange:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ZOrderChange:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
