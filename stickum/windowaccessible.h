#pragma once

// What a screen reader sees of the program's own windows: a Stickum and the main window are
// windows (not bare panes), a Stickum says whether it is rolled up (collapsed) or not
// (expanded), and the main window's caption is a bar with its drawn buttons in it.

// Makes Qt use these views; once per program, before the windows are shown.
void installWindowAccessibility();
