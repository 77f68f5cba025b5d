#include "desktop/stickumplaces.h"

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

bool StickumPlaces::platformPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
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

void StickumPlaces::fit(SmallFrame* frame, QPoint kept) {
    const QPoint shown =
        fitIntoScreens(QRect(kept, frame->size()), screens_(), SmallFrame::kTitleHeight).topLeft();
    if (shown != standsAt(frame)) frame->moveTo(shown);
}

std::optional<QPoint> StickumPlaces::draggedTo(const SmallFrame* frame) const {
    if (!platformPlacesWindows()) return std::nullopt;
    // Where the drag put it: the last place asked of the window system, which the window
    // manager may not have answered yet.
    return frame->pos();
}
