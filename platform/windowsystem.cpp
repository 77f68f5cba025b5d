#include "platform/windowsystem.h"

#include "platform/nullwindowsystem.h"
#include "platform/x11windowsystem.h"

#include <QGuiApplication>
#include <QWidget>

bool WindowSystem::makeOwned(QWidget* frame, WindowHandle target) {
    if (frame == nullptr || !frame->isWindow()) return false;
    frame->winId(); // makes the native window, and with it the windowHandle()
    return makeOwned(frame->windowHandle(), target);
}

void WindowSystem::showFrame(QWidget* frame) {
    if (frame == nullptr) return;
    if (frame->windowState() & Qt::WindowMinimized) {
        frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
    }
    frame->show();
}

std::unique_ptr<WindowSystem> createWindowSystem() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto x11 = X11WindowSystem::create()) return x11;
    }
    return std::make_unique<NullWindowSystem>();
}
