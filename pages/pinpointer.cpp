#include "pages/pinpointer.h"

#include "look/l10n.h"
#include "look/messages.h"
#include "model/catalogue.h"
#include "platform/windowsystem.h"

#include <QWidget>

QString firstCharacters(const QString& text, int count) {
    int end = 0;
    for (int taken = 0; taken < count && end < text.size(); ++taken) {
        const bool pair =
            text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return text.left(end);
}

PinPointer::PinPointer(QWidget& grabber, MessageBoxes& messages, WindowSystem& windows)
    : grabber_(grabber), messages_(messages), windows_(&windows) {}

void PinPointer::setEnabling(WindowEnabling* enabling) {
    enabling_ = enabling ? enabling : &defaultEnabling_;
}

void PinPointer::start() {
    grabber_.grabMouse();
    waiting_ = true;
}

void PinPointer::stop() {
    grabber_.releaseMouse();
    waiting_ = false;
}

WindowHandle PinPointer::resolve(QPoint screenPoint) {
    for (WindowHandle visited : windows_->topLevelWindows()) {
        // The visited window takes input for the moment of the hit test, so that it is found
        // even when it refuses input.
        const bool wasEnabled = enabling_->isEnabled(visited);
        enabling_->setEnabled(visited, true);
        const WindowHandle hit = windows_->windowAt(screenPoint);
        if (!wasEnabled) enabling_->setEnabled(visited, false);
        if (hit == 0) continue;
        const WindowHandle top = outermost(hit);
        return confirm(top) ? top : 0;
    }
    return 0;
}

WindowHandle PinPointer::outermost(WindowHandle window) const {
    WindowHandle current = window;
    for (int step = 0; step < kMaxWalk; ++step) {
        const WindowHandle up = windows_->parentOrOwner(current);
        if (up == 0 || up == window) break;
        current = up;
    }
    return current;
}

QString PinPointer::titleOf(WindowHandle window, int count) const {
    // A character takes at most four bytes of UTF-8.
    const std::string title = windows_->title(window, static_cast<std::size_t>(count) * 4);
    return firstCharacters(QString::fromStdString(title), count);
}

bool PinPointer::confirm(WindowHandle window) {
    QString question = l10n::text(msg::AttachQuestion);
    const qsizetype place = question.indexOf(QLatin1String("%s"));
    question.replace(place, 2, titleOf(window, kQuestionTitle));
    return messages_.showMessage(nullptr, question, l10n::text(msg::PinPointing),
                                 box::PinQuestion) == Answer::Yes;
}
