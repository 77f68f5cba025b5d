#include "app/stickumplaces.h"

#include "stickum/screenfit.h"
#include "stickum/smallframe.h"

#include <QGuiApplication>
#include <QScreen>

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
    // Qt moves the windows of a screen that goes to another one first; they are fitted after.
    QObject::connect(
        qApp, &QGuiApplication::screenRemoved, &receiver_, [this] { screensChanged_(); },
        Qt::QueuedConnection);
}

QPoint StickumPlaces::ownPlace(const SmallFrame* frame) const {
    const QPoint now(frame->frameX(), frame->frameY());
    const auto it = moved_.find(frame);
    return it != moved_.end() && it->second.shown == now ? it->second.own : now;
}

void StickumPlaces::fit(SmallFrame* frame) {
    const QPoint now(frame->frameX(), frame->frameY());
    const QPoint own = ownPlace(frame);
    const QPoint shown =
        fitIntoScreens(QRect(own, frame->size()), screens_(), SmallFrame::kTitleHeight).topLeft();
    if (shown != now) frame->moveTo(shown);
    if (shown == own)
        moved_.erase(frame);
    else
        moved_[frame] = {own, shown};
}

void StickumPlaces::forget(const SmallFrame* frame) {
    moved_.erase(frame);
}
