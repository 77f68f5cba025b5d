#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>
#include <map>

class SmallFrame;

// Keeps Stickums where the user can see them when their own place is on no screen (a monitor
// unplugged, a smaller resolution, a data file from another machine), without losing that
// place: a Stickum shown elsewhere only to be seen keeps its own place for the data file until
// the user moves it, so the arrangement comes back with the monitor.
class StickumPlaces {
public:
    // The areas of the screens there are now, in Qt's screen coordinates.
    using ScreenAreas = std::function<QList<QRect>()>;
    // The areas of Qt's screens that windows may use.
    static QList<QRect> availableScreenAreas();

    // screensChanged runs whenever a screen comes, goes or changes its size.
    explicit StickumPlaces(std::function<void()> screensChanged,
                           ScreenAreas screens = availableScreenAreas);
    StickumPlaces(const StickumPlaces&) = delete;
    StickumPlaces& operator=(const StickumPlaces&) = delete;

    // Moves the frame inside the screens when its own place cannot be seen there, and back to
    // its own place when that can be seen again. After a change of the screens the place the
    // frame was last known to have counts, wherever it was pushed meanwhile.
    void fit(SmallFrame* frame, bool screensChanged = false);
    // The frame's own place, to be kept in its record: where the user left it, not where it was
    // moved to be seen.
    QPoint takeOwnPlace(const SmallFrame* frame);
    // The same without taking it: what the data file keeps while the frame is on show.
    QPoint keptPlace(const SmallFrame* frame) const { return ownPlace(frame, false); }
    void forget(const SmallFrame* frame);
    void setScreenAreas(ScreenAreas screens) { screens_ = std::move(screens); }

private:
    void watchScreens();
    QPoint ownPlace(const SmallFrame* frame, bool screensChanged) const;

    struct Known {
        QPoint own;   // the frame's own place
        QPoint shown; // where it stood then
    };
    std::map<const SmallFrame*, Known> known_;
    std::function<void()> screensChanged_;
    ScreenAreas screens_;
    QObject receiver_; // the screens' reports arrive here
};
