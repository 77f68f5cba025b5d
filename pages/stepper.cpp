#include "pages/stepper.h"

#include <QLineEdit>

Stepper::Stepper(QWidget* parent) : QSpinBox(parent) {
    setAlignment(Qt::AlignCenter);
    setAccelerated(false);
}

void Stepper::setValueText(ValueText text) {
    valueText_ = std::move(text);
    setTypingAllowed(false);
    showValueText();
}

void Stepper::setBlank(bool blank) {
    blank_ = blank;
    showValueText();
}

void Stepper::showValueText() {
    const bool quiet = lineEdit()->blockSignals(true);
    lineEdit()->setText(textFromValue(value()));
    lineEdit()->blockSignals(quiet);
}

void Stepper::setTypingAllowed(bool allowed) {
    lineEdit()->setReadOnly(!allowed);
    // A number only shown needs no edit frame, which leaves its digits the room they need.
    setFrame(allowed);
    setFocusPolicy(allowed ? Qt::WheelFocus : Qt::StrongFocus);
}

void Stepper::stepBy(int steps) {
    const int unit = steps > 0 ? 1 : -1;
    for (int taken = 0; taken != steps; taken += unit) {
        if (request_ && !request_(value(), unit)) return;
        if (blank_) setBlank(false);
        QSpinBox::stepBy(unit);
    }
}

QAbstractSpinBox::StepEnabled Stepper::stepEnabled() const {
    if (isReadOnly() || !isEnabled()) return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

QString Stepper::textFromValue(int value) const {
    if (blank_) return {};
    return valueText_ ? valueText_(value) : QSpinBox::textFromValue(value);
}

int Stepper::valueFromText(const QString& text) const {
    if (!valueText_) return QSpinBox::valueFromText(text);
    for (int v = minimum(); v <= maximum(); ++v)
        if (valueText_(v) == text) return v;
    return value();
}

QValidator::State Stepper::validate(QString& input, int& pos) const {
    if (!valueText_) return QSpinBox::validate(input, pos);
    return input == textFromValue(value()) ? QValidator::Acceptable : QValidator::Invalid;
}
