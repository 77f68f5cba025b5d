#pragma once

class QWidget;

// Windows that open for the user (the main window, the splash picture) open on the screen the
// pointer is on: with several screens that is where the user looks.

// Centres the window on the pointer's screen.
void centreOnPointerScreen(QWidget* window);
// Centres the window on the pointer's screen unless it stands on that screen already.
void bringToPointerScreen(QWidget* window);
