#include "pages/daystepper.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace {

// The line edit's own margins on both sides and the room for its cursor.
constexpr int kTextMargins = 2 * 2 + 2;

} // namespace

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

void DayStepper::widenFor(const QStringList& texts, int rightLimit) {
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
