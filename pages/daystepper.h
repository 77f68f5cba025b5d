#pragma once

#include <QSpinBox>

#include <functional>

// A number shown in a box with up and down arrows, where every step is a request the page
// answers: the page may refuse it (the number stays) or accept it, and the control then adds
// the step to its number as it stands after the page's answer, so the page may move the
// number itself first (a month that wraps). Steps are always one up or one down.
class DayStepper : public QSpinBox {
    Q_OBJECT
public:
    // position: the number before the step; step: +1 or -1. True accepts the step.
    using StepHandler = std::function<bool(int position, int step)>;
    // The text shown for a number (the number itself when not set).
    using Label = std::function<QString(int position)>;

    explicit DayStepper(QWidget* parent = nullptr);

    void setStepHandler(StepHandler handler) { handler_ = std::move(handler); }
    void setLabel(Label label);
    // A box that only shows its number: the arrows step it, typing does not.
    void setShowOnly(bool showOnly);

    void stepBy(int steps) override;

    // Widens the control to the right, no further than the right edge given (in the parent's
    // coordinates), and then to the left, until every one of the texts fits into its box.
    void widenFor(const QStringList& texts, int rightLimit);

protected:
    StepEnabled stepEnabled() const override;
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;

private:
    StepHandler handler_;
    Label label_;
};
