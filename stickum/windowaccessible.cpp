#include "stickum/windowaccessible.h"

#include "look/accessiblepart.h"
#include "stickum/gradfrm.h"
#include "stickum/smallframe.h"

#include <QAccessibleWidget>

namespace {

// A Stickum: rolled up it is collapsed to its title bar.
class StickumWindow : public QAccessibleWidget {
public:
    explicit StickumWindow(SmallFrame* frame) : QAccessibleWidget(frame, QAccessible::Window) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const bool rolledUp = static_cast<const SmallFrame*>(widget())->rolledUp();
        state.expandable = true;
        state.collapsed = rolledUp;
        state.expanded = !rolledUp;
        return state;
    }
};

// A button drawn on the main window's caption.
class CaptionButtonPart : public AccessiblePart, public QAccessibleActionInterface {
public:
    CaptionButtonPart(QWidget* strip, TGradFrame* frame, TGradFrame::CaptionButton button)
        : AccessiblePart(strip), frame_(frame), button_(button) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return {};
        switch (button_) {
        case TGradFrame::CaptionButton::Close:
            return QAccessibleWidget::tr("Close");
        case TGradFrame::CaptionButton::Maximise:
            return QAccessibleWidget::tr("Maximise");
        case TGradFrame::CaptionButton::Minimise:
            return QAccessibleWidget::tr("Minimise");
        }
        return {};
    }
    QRect rect() const override {
        return frame_ ? onScreen(frame_->captionButtonRect(button_)) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.disabled = !frame_ || !frame_->captionButtonEnabled(button_);
        state.invisible = !frame_ || !frame_->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (frame_ && name == pressAction()) frame_->pressCaptionButton(button_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TGradFrame> frame_;
    TGradFrame::CaptionButton button_;
};

// The main window's caption: its title, and the buttons drawn on it from the right end.
class CaptionBar : public QAccessibleWidget {
public:
    CaptionBar(QWidget* strip, TGradFrame* frame)
        : QAccessibleWidget(strip, QAccessible::ToolBar), frame_(frame),
          buttons_([strip, frame](int index) -> AccessiblePart* {
              const auto shown = frame->captionButtons();
              if (static_cast<std::size_t>(index) >= shown.size()) return nullptr;
              return new CaptionButtonPart(strip, frame, shown[static_cast<std::size_t>(index)]);
          }) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && frame_) return frame_->windowTitle();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override {
        return frame_ ? static_cast<int>(frame_->captionButtons().size()) : 0;
    }
    QAccessibleInterface* child(int index) const override {
        return index < childCount() ? buttons_.at(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return buttons_.indexOf(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y)) return child(i);
        return nullptr;
    }

private:
    QPointer<TGradFrame> frame_;
    AccessibleParts buttons_;
};

QAccessibleInterface* windowFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("SmallFrame"))
        return new StickumWindow(static_cast<SmallFrame*>(widget));
    if (className == QLatin1String("TGradFrame"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (auto* frame = qobject_cast<TGradFrame*>(widget->parentWidget());
        frame && className == QLatin1String("GradCaptionStrip"))
        return new CaptionBar(widget, frame);
    return nullptr;
}

} // namespace

void installWindowAccessibility() {
    installAccessibleFactory(windowFactory);
}
