#include "pages/daystepper.h"

#include <QLineEdit>

DayStepper::DayStepper(QWidget* parent) : QSpinBox(parent) {
    setKeyboardTracking(true);
    setAccelerated(false);
}

void DayStepper::setLabel(Label label) {
    label_ = std::move(label);
    lineEdit()->setText(textFromValue(value()));
}

void DayStepper::setShowOnly(bool showOnly) {
    lineEdit()->setReadOnly(showOnly);
    setFocusPolicy(showOnly ? Qt::NoFocus : Qt::WheelFocus);
}

void DayStepper::stepBy(int steps) {
    if (steps == 0) return;
    const int step = steps > 0 ? 1 : -1;
    if (handler_ && !handler_(value(), step)) return;
    setValue(value() + step);
}

// The page decides about every step, so both arrows always stay usable.
QAbstractSpinBox::StepEnabled DayStepper::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

QString DayStepper::textFromValue(int value) const {
    return label_ ? label_(value) : QString::number(value);
}

int DayStepper::valueFromText(const QString& text) const {
    if (!label_) return QSpinBox::valueFromText(text);
    for (int v = minimum(); v <= maximum(); ++v)
        if (label_(v) == text) return v;
    return value();
}

QValidator::State DayStepper::validate(QString& text, int& pos) const {
    if (!label_) return QSpinBox::validate(text, pos);
    for (int v = minimum(); v <= maximum(); ++v)
        if (label_(v) == text) return QValidator::Acceptable;
    return QValidator::Intermediate;
}
