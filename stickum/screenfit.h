#pragma once

#include <QList>
#include <QRect>

// Where a window stands so that the user can see and reach it on the screens there are now.
// A window whose title bar can be grabbed on some screen stays where it is. Otherwise it goes
// into the screen nearest to it, whole when it fits, its top-left corner (and with it the title
// bar) inside the screen when it is larger. Without screens nothing moves.
QRect fitIntoScreens(const QRect& window, const QList<QRect>& screens, int titleHeight);
