#pragma once

class QWidget;

// Gives a top-level window the keyboard focus on behalf of the user who just asked for it (a
// command, the launcher's action). On X11 the window manager is asked with _NET_ACTIVE_WINDOW and
// a time stamp taken from the X server now, after the user's request: a window manager that
// keeps programs from stealing the focus compares it with the user's last input and lets it
// through. Elsewhere Qt's own request.
void activateForUser(QWidget* window);
