#pragma once

#include <QPoint>

#include <optional>
#include <vector>

class QWidget;

// What Stickums need from the X11 window system beyond Qt; on other platforms these do nothing.

// Where the window's top-left corner really is on the screen, asked of the X server: the
// window manager may move a window after Qt last heard of its position. None when the window
// has no native window or the platform is not X11, and while a window Qt shows is still waiting
// for the window manager to map it (it stands where Qt asked once it is on the screen). In Qt's
// screen coordinates, as Qt's own positions are.
std::optional<QPoint> nativeTopLeft(const QWidget* window);
// The same for several windows, asked in one round trip however many there are (on a display
// of several screens, after one more per window to learn its screen's root). With
// AfterAsking::Unmap the windows are also taken off the screen in the same batch, right behind
// the questions, so that the answers still tell where they stood: all go at once, before any
// bookkeeping. Qt's own hide must follow at once (it finds them gone).
enum class AfterAsking { Nothing, Unmap };
std::vector<std::optional<QPoint>> nativeTopLefts(const std::vector<const QWidget*>& windows,
                                                  AfterAsking after = AfterAsking::Nothing);
// A point in the X server's pixels in Qt's screen coordinates, and back; the two differ on a
// screen whose pixel ratio is not 1.
QPoint fromDevicePixels(QPoint device);
QPoint toDevicePixels(QPoint point);

// Counts the turns of the program's event loop: what was asked of the X server during one turn
// (one pass over the Stickums) holds for the rest of it. 0 while there is no event loop.
unsigned long eventLoopTurn();

// Asks the window manager to keep the window out of the task bar and the pager. To be called
// every time the window is about to be mapped, while it is created but not yet mapped (Qt adds
// its own states to these when it maps it). Asks nothing of the X server: no round trip.
void keepOutOfTaskBar(QWidget* window);
