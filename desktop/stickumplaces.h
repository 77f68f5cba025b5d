#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>
#include <optional>

class SmallFrame;

// Where a Stickum is kept and where it is shown are two places. The kept place is the user's:
// it changes only when the user drags the Stickum, and it is what the data file holds. Where the
// Stickum is shown follows from it and from the screens there are now: the kept place when it
// can be seen, else the nearest place that can (a monitor unplugged, a smaller screen, a file
// from another machine), so the arrangement comes back with the monitor. Nothing the window
// manager, the screens, a reload or closing a Stickum do to a window changes a kept place.
class StickumPlaces {
public:
    // The areas of the screens there are now, in Qt's screen coordinates.
    using ScreenAreas = std::function<QList<QRect>()>;
    // The areas of Qt's screens that windows may use.
    static QList<QRect> availableScreenAreas();
    // Whether the platform says where windows stand and puts them where asked (not so on a
    // Wayland desktop without XWayland: no place is ever taken from a window there).
    static bool platformPlacesWindows();

    // screensChanged runs whenever a screen comes, goes or changes its size.
    explicit StickumPlaces(std::function<void()> screensChanged,
                           ScreenAreas screens = availableScreenAreas);
    StickumPlaces(const StickumPlaces&) = delete;
    StickumPlaces& operator=(const StickumPlaces&) = delete;

    // Moves the frame to where its kept place can be seen, when it stands elsewhere.
    void fit(SmallFrame* frame, QPoint kept);
    // The user has let go of the frame after dragging it: its new kept place, where it stands
    // now; none where the platform does not place windows.
    std::optional<QPoint> draggedTo(const SmallFrame* frame) const;
    void setScreenAreas(ScreenAreas screens) { screens_ = std::move(screens); }

private:
    void watchScreens();

    std::function<void()> screensChanged_;
    ScreenAreas screens_;
    QObject receiver_; // the screens' reports arrive here
};
