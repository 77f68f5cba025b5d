#include "pages/stepper.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace {

// The line edit's own margins on both sides and the room for its cursor.
constexpr int kTextMargins = 2 * 2 + 2;

} // namespace

Stepper::Stepper(StepperStyle style, QWidget* parent) : QSpinBox(parent), style_(style) {
    setAccelerated(false);
    // What the user types takes the place of a blank.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { blank_ = false; });
}

void Stepper::setValueText(ValueText text) {
    valueText_ = std::move(text);
    setTypingAllowed(false);
    showValueText();
}

void Stepper::setBlank(bool blank, const QString& standIn) {
    blank_ = blank;
    standIn_ = blank ? standIn : QString();
    showValueText();
}

void Stepper::setStoredValue(int stored) {
    setValue(stored);
    const bool outside = stored < minimum() || stored > maximum();
    setBlank(outside, QString::number(stored));
}

void Stepper::showValueText() {
    const bool quiet = lineEdit()->blockSignals(true);
    lineEdit()->setText(textFromValue(value()));
    lineEdit()->blockSignals(quiet);
}

void Stepper::setTypingAllowed(bool allowed) {
    lineEdit()->setReadOnly(!allowed);
    setFrame(allowed || style_.shownOnlyFramed);
    setFocusPolicy(allowed ? Qt::WheelFocus : Qt::StrongFocus);
}

void Stepper::stepBy(int steps) {
    if (steps == 0) return;
    const int unit = steps > 0 ? 1 : -1;
    if (!style_.everyStepAsked) {
        if (request_ && !request_(value(), unit)) return;
        if (blank_) setBlank(false);
        setValue(value() + unit);
        return;
    }
    for (int taken = 0; taken != steps; taken += unit) {
        if (request_ && !request_(value(), unit)) return;
        if (blank_) setBlank(false);
        QSpinBox::stepBy(unit);
    }
}

void Stepper::widenFor(const QStringList& texts, int rightLimit) {
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QRect field =
        style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, this);
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, fontMetrics().horizontalAdvance(text));
    const int missing = widest + kTextMargins - field.width();
    if (missing <= 0) return;
    QRect box = geometry();
    const int right = std::min(missing, std::max(0, rightLimit - box.right()));
    box.setRight(box.right() + right);
    box.setLeft(std::max(0, box.left() - (missing - right)));
    setGeometry(box);
}

QAbstractSpinBox::StepEnabled Stepper::stepEnabled() const {
    if (isReadOnly() || !isEnabled()) return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

QString Stepper::textFromValue(int value) const {
    if (blank_) return standIn_;
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
