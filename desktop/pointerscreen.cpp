#include "desktop/pointerscreen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

QScreen* pointerScreen() {
    if (QScreen* screen = QGuiApplication::screenAt(QCursor::pos())) return screen;
    return QGuiApplication::primaryScreen();
}

} // namespace

void centreOnPointerScreen(QWidget* window) {
    const QScreen* screen = pointerScreen();
    if (!window || !screen) return;
    const QRect area = screen->geometry();
    window->move(area.left() + (area.width() - window->width()) / 2,
                 area.top() + (area.height() - window->height()) / 2);
}

void bringToPointerScreen(QWidget* window) {
    const QScreen* screen = pointerScreen();
    if (!window || !screen) return;
    if (!screen->geometry().contains(window->frameGeometry().center()))
        centreOnPointerScreen(window);
}
