#include "app/stickumplaces.h"

#include "stickum/screenfit.h"
#include "stickum/smallframe.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The window system knows where a frame on show stands; a hidden one stands where Qt will show
// it, whatever the window system last heard.
QPoint standsAt(const SmallFrame* frame) {
    return frame->isVisible() ? QPoint(frame->frameX(), frame->frameY()) : frame->pos();
}

} // namespace

QList<QRect> StickumPlaces::availableScreenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

StickumPlaces::StickumPlaces(std::function<void()> screensChanged, ScreenAreas screens)
    : screensChanged_(std::move(screensChanged)), screens_(std::move(screens)) {
    watchScreens();
}

void StickumPlaces::watchScreens() {
    if (!qApp) return;
    auto watch = [this](QScreen* screen) {
        QObject::connect(screen, &QScreen::availableGeometryChanged, &receiver_,
                         [this] { screensChanged_(); });
    };
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    QObject::connect(qApp, &QGuiApplication::screenAdded, &receiver_, [this, watch](QScreen* s) {
        watch(s);
        screensChanged_();
    });
    QObject::connect(
        qApp, &QGuiApplication::screenRemoved, &receiver_, [this] { screensChanged_(); },
        Qt::QueuedConnection);
}

QPoint StickumPlaces::ownPlace(const SmallFrame* frame, bool screensChanged) const {
    const QPoint now = standsAt(frame);
    const auto it = known_.find(frame);
    if (it == known_.end()) return now;
    // When the screens change the window manager may push a window about; only the user's own
    // moves, taken back before, count then.
    return it->second.shown == now || screensChanged ? it->second.own : now;
}

QPoint StickumPlaces::takeOwnPlace(const SmallFrame* frame) {
    const QPoint own = ownPlace(frame, false);
    known_[frame] = {own, standsAt(frame)};
    return own;
}

void StickumPlaces::fit(SmallFrame* frame, bool screensChanged) {
    const QPoint now = standsAt(frame);
    const QPoint own = ownPlace(frame, screensChanged);
    const QPoint shown =
        fitIntoScreens(QRect(own, frame->size()), screens_(), SmallFrame::kTitleHeight).topLeft();
    if (shown != now) frame->moveTo(shown);
    known_[frame] = {own, shown};
}

void StickumPlaces::forget(const SmallFrame* frame) {
    known_.erase(frame);
}
