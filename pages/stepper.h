#pragma once

#include <QSpinBox>

#include <functional>

// What differs between the pages that use the stepper.
struct StepperStyle {
    // Several steps at once (a page key, the wheel) are asked one at a time and stop at the
    // first refusal; otherwise they are one single step.
    bool everyStepAsked = true;
    // A number that can only be stepped keeps its edit frame.
    bool shownOnlyFramed = false;
};

// The Lendings page: a number only shown keeps its sunken frame.
inline constexpr StepperStyle kLendingsStepper{true, true};
// The Reminders page: a number only shown keeps its frame.
inline constexpr StepperStyle kRemindersStepper{false, true};

// A number with up and down arrows where every step is a request that its owner accepts or
// refuses. The owner answers before the step is taken and may change the value meanwhile; an
// accepted step is then added to the value as it stands (a month that wraps). A value can also
// be shown as a text of the owner's own (a month name rather than its number). Tab reaches it
// whether it can be typed into or only stepped (with the arrow keys).
class Stepper : public QSpinBox {
    Q_OBJECT
public:
    // Asked once per step of +1 or -1, with the value before the step; true accepts it.
    using StepRequest = std::function<bool(int value, int step)>;
    // The text shown for a value.
    using ValueText = std::function<QString(int value)>;

    explicit Stepper(StepperStyle style = StepperStyle{}, QWidget* parent = nullptr);

    void setStepRequest(StepRequest request) { request_ = std::move(request); }
    // Shows the owner's text for each value; such a value can only be stepped, never typed.
    void setValueText(ValueText text);
    // Whether the number may be typed as well as stepped; a typed number always stays within
    // the range.
    void setTypingAllowed(bool allowed);
    // A blank stepper shows no text (a value the record does not have), or the stand-in given
    // (a value the record has, which the range cannot hold); its value still counts for the
    // steps, and the first step, or typing, shows it again.
    void setBlank(bool blank, const QString& standIn = {});
    bool isBlank() const { return blank_; }
    // Shows a value as a record holds it: one outside the range is shown as it is, blank, and
    // the steps start from the nearer end of the range.
    void setStoredValue(int stored);

    void stepBy(int steps) override;

    // Widens the control to the right, no further than the right edge given (in the parent's
    // coordinates), and then to the left, until every one of the texts fits into its box.
    void widenFor(const QStringList& texts, int rightLimit);

protected:
    // Both arrows always work: whether a step is taken is the owner's answer.
    StepEnabled stepEnabled() const override;
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;

private:
    void showValueText();

    StepperStyle style_;
    StepRequest request_;
    ValueText valueText_;
    bool blank_ = false;
    QString standIn_;
};
