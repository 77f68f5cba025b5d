#include "stickum/screenfit.h"

#include <algorithm>
#include <limits>

namespace {

// So much of the title bar's width is enough to grab it by.
constexpr int kGrabWidth = 32;

bool titleReachable(const QRect& window, const QList<QRect>& screens, int titleHeight) {
    const QRect title(window.topLeft(), QSize(window.width(), titleHeight));
    const int enough = std::min(kGrabWidth, window.width());
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
        const QRect seen = title & screen;
        return seen.height() == title.height() && seen.width() >= enough;
    });
}

// Squared distance from the window's centre to the nearest point of the screen.
long long distanceTo(const QRect& window, const QRect& screen) {
    const QPoint c = window.center();
    const long long dx = c.x() < screen.left()    ? screen.left() - c.x()
                         : c.x() > screen.right() ? c.x() - screen.right()
                                                  : 0;
    const long long dy = c.y() < screen.top()      ? screen.top() - c.y()
                         : c.y() > screen.bottom() ? c.y() - screen.bottom()
                                                   : 0;
    return dx * dx + dy * dy;
}

int clampInto(int start, int length, int areaStart, int areaLength) {
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

} // namespace

QRect fitIntoScreens(const QRect& window, const QList<QRect>& screens, int titleHeight) {
    if (screens.isEmpty() || titleReachable(window, screens, titleHeight)) return window;
    const QRect* nearest = nullptr;
    long long best = std::numeric_limits<long long>::max();
    for (const QRect& screen : screens) {
        const long long d = distanceTo(window, screen);
        if (!screen.isEmpty() && d < best) {
            best = d;
            nearest = &screen;
        }
    }
    if (!nearest) return window;
    const int x = clampInto(window.x(), window.width(), nearest->x(), nearest->width());
    const int y = clampInto(window.y(), window.height(), nearest->y(), nearest->height());
    return QRect(QPoint(x, y), window.size());
}
