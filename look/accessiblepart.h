#pragma once

#include <QAccessible>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

// A part of a widget that a screen reader sees as an object of its own though no widget stands
// for it: a day of the calendar, a button drawn on a caption. It has no children; what it is
// called and how it looks is the subclass's.
class AccessiblePart : public QAccessibleInterface {
public:
    explicit AccessiblePart(QWidget* owner) : owner_(owner) {}

    bool isValid() const override { return !owner_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QWidget* owner() const { return owner_; }
    // A rectangle of the owner on the screen.
    QRect onScreen(const QRect& inOwner) const;

private:
    QPointer<QWidget> owner_;
};

// Makes Qt ask the factory for the interfaces of the widgets it knows; the first call does it.
void installAccessibleFactory(QAccessible::InterfaceFactory factory);

// The parts of one widget, numbered from 0, each made when first asked for and given up with
// the widget's own interface.
class AccessibleParts {
public:
    using Make = std::function<AccessiblePart*(int index)>;

    explicit AccessibleParts(Make make) : make_(std::move(make)) {}
    ~AccessibleParts();
    AccessibleParts(const AccessibleParts&) = delete;
    AccessibleParts& operator=(const AccessibleParts&) = delete;

    QAccessibleInterface* at(int index) const;
    // The index of a part made here, or -1.
    int indexOf(const QAccessibleInterface* part) const;

private:
    Make make_;
    mutable std::vector<QAccessible::Id> ids_;
};
