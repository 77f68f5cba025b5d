#pragma once

#include <QAbstractSpinBox>

#include <functional>
#include <optional>

// An edit with its up-down arrows, as the Options page uses them for day counts and the
// height: the text is free, a step asks the page whether to take the new number, and leaving
// the edit lets the page judge what was typed. A screen reader reads the shown number within
// the arrows' range.
class OptionStepEdit : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(int value READ position WRITE setPosition)
    Q_PROPERTY(int minimum READ minimum CONSTANT)
    Q_PROPERTY(int maximum READ maximum CONSTANT)
public:
    // The arrows' range: a step starts from the shown number kept inside it.
    OptionStepEdit(int minimum, int maximum, QWidget* parent = nullptr);

    // Asked with the number a step would show; true takes the step.
    std::function<bool(int)> stepRequest;

    // Shows the number.
    void setPosition(int value);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // The shown number, as a step counts from it.
    int position() const;
    // The number typed: at most the first 9 characters read as a leading decimal integer;
    // text that is no number gives 0.
    int typedValue() const;
    static int leadingInteger(const QString& text);
    // Replaces the shown text, as if the user had typed it.
    void setEditText(const QString& text);
    // The number typed since the edit last showed one of the page's (setPosition), once: the
    // page judges it when the edit or the page is left. Nothing when nothing was typed.
    std::optional<int> takeTyped();

    void stepBy(int steps) override;

signals:
    // The edit lost the input focus.
    void left();

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int minimum_;
    int maximum_;
};
