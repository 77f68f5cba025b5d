#pragma once

// What a journey needs of the virtual desktop it runs on: the windows of one process as the X
// server shows them, real pointer and keyboard input, and screenshots.

#include "programrun.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace xdesk {

// One window on show, as the X server has it.
struct Window {
    unsigned long id = 0;
    QString name;
    QRect geometry;    // on the screen
    QStringList types; // _NET_WM_WINDOW_TYPE
    unsigned long transientFor = 0;

    bool isDialog() const { return types.contains(QStringLiteral("_NET_WM_WINDOW_TYPE_DIALOG")); }
    bool isTooltip() const { return types.contains(QStringLiteral("_NET_WM_WINDOW_TYPE_TOOLTIP")); }
};

// The windows on show of the program's class (quillbox), top-level and embedded alike.
std::vector<Window> programWindows();
// The windows among them named exactly so.
std::vector<Window> programWindowsNamed(const QString& name);
// The tray area (trayer's panel), if there is one.
std::optional<QRect> trayPanel();
// The program's icon inside the tray panel.
std::optional<Window> trayIcon();

// The main window: the named window that is neither a dialog, a tooltip, the splash (400 x 300)
// nor the tray icon.
std::optional<Window> mainWindow();
// A message box or chooser on show (a dialog window) whose name starts so.
std::optional<Window> dialogNamed(const QString& prefix);
// The Stickums on show, left to right and top to bottom.
std::vector<Window> stickums();
// The Stickum whose top-left corner is at the point.
std::optional<Window> stickumAt(QPoint topLeft);

// Real input.
void click(QPoint screen, int button = 1);
void drag(QPoint from, QPoint to);
void type(const QString& text);
// Keys one after another, apart by spaces ("alt+x shift+Tab").
void key(const QString& keys);
// Gives the window the keyboard, the way a click on it would.
void activate(unsigned long window);
// The window that has the keyboard, as the window manager has it (0: none).
unsigned long activeWindow();
void hover(QPoint screen);

// A picture of the whole screen, kept under the shots directory as name.png.
QImage screenshot(const QString& name = QString());
// Pixels of a colour (each channel within tolerance) inside the rectangle of the picture.
int countPixels(const QImage& image, const QRect& area, QRgb color, int tolerance = 24);
// Pixels that are clearly red (the crossed-out icon's cross).
int countRed(const QImage& image, const QRect& area);

// The text the program put into the X selection (PRIMARY) once the user selected it.
QString primarySelection();

} // namespace xdesk
