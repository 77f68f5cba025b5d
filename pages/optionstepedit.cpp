#include "pages/optionstepedit.h"

#include <QAccessible>
#include <QLineEdit>

#include <algorithm>

namespace {
constexpr qsizetype kTypedCharacters = 9;
}

OptionStepEdit::OptionStepEdit(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum) {
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(false);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        QAccessibleValueChangeEvent changed(this, position());
        QAccessible::updateAccessibility(&changed);
    });
}

void OptionStepEdit::setPosition(int value) {
    lineEdit()->setText(QString::number(value));
}

int OptionStepEdit::position() const {
    return std::clamp(typedValue(), minimum_, maximum_);
}

int OptionStepEdit::typedValue() const {
    return leadingInteger(lineEdit()->text());
}

int OptionStepEdit::leadingInteger(const QString& text) {
    const QString head = text.left(kTypedCharacters);
    qsizetype i = 0;
    while (i < head.size() && head[i].isSpace())
        ++i;
    bool negative = false;
    if (i < head.size() && (head[i] == QLatin1Char('-') || head[i] == QLatin1Char('+'))) {
        negative = head[i] == QLatin1Char('-');
        ++i;
    }
    int value = 0; // nine digits at most: no overflow
    for (; i < head.size() && head[i] >= QLatin1Char('0') && head[i] <= QLatin1Char('9'); ++i)
        value = value * 10 + (head[i].unicode() - '0');
    return negative ? -value : value;
}

void OptionStepEdit::setEditText(const QString& text) {
    lineEdit()->setText(text);
    lineEdit()->setModified(true);
}

std::optional<int> OptionStepEdit::takeTyped() {
    if (!lineEdit()->isModified()) return std::nullopt;
    lineEdit()->setModified(false);
    return typedValue();
}

void OptionStepEdit::stepBy(int steps) {
    const int next = position() + steps;
    if (stepRequest && stepRequest(next)) setPosition(next);
}

QAbstractSpinBox::StepEnabled OptionStepEdit::stepEnabled() const {
    // The page decides whether a step is taken.
    return StepUpEnabled | StepDownEnabled;
}

void OptionStepEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusOutEvent(event);
    emit left();
}
