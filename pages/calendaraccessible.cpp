#include "pages/calendaraccessible.h"

#include "look/accessiblepart.h"
#include "pages/wcalendar.h"

#include <QAccessibleWidget>

namespace {

constexpr int kColumns = 7;
constexpr int kRows = 6;

// One day of the month shown. The calendar's table makes one per day number when first asked;
// a day the month shown lacks (a 31st in June) is not valid meanwhile.
class DayCell : public AccessiblePart,
                public QAccessibleTableCellInterface,
                public QAccessibleActionInterface {
public:
    DayCell(WCalendar* calendar, int day) : AccessiblePart(calendar), day_(day) {}

    bool isValid() const override {
        return AccessiblePart::isValid() && day_ <= calendar()->dayCount();
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? calendar()->dayName(day_) : QString();
    }
    QRect rect() const override {
        return isValid() ? onScreen(calendar()->dayRect(day_)) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) return state;
        const WCalendar* c = calendar();
        state.invisible = !c->isVisible();
        state.selectable = true;
        state.selected = isSelected();
        state.focusable = true;
        state.focused = c->hasFocus() && c->cursorDay() == day_;
        if (const CalendarMark* mark = c->markFor(c->dateOfDay(day_))) {
            state.checkable = true;
            state.checked = mark->flag == 1;
        }
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return isValid() && calendar()->GetSelectedDay() == day_; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override {
        return isValid() ? calendar()->gridPosition(day_) % kColumns : -1;
    }
    int rowIndex() const override {
        return isValid() ? calendar()->gridPosition(day_) / kColumns : -1;
    }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    void doAction(const QString& name) override {
        if (!isValid()) return;
        if (name == pressAction()) calendar()->selectDay(day_);
        if (name == toggleAction()) calendar()->clickMark(day_);
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name == pressAction()) return {QStringLiteral("Space")};
        if (name == toggleAction()) return {QStringLiteral("Ctrl+Space")};
        return {};
    }

private:
    WCalendar* calendar() const { return static_cast<WCalendar*>(owner()); }

    int day_;
};

// The month: a table whose children are its days in order.
class CalendarTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CalendarTable(WCalendar* calendar)
        : QAccessibleWidget(calendar, QAccessible::Table),
          cells_([calendar](int index) { return new DayCell(calendar, index + 1); }) {}

    WCalendar* calendar() const { return static_cast<WCalendar*>(widget()); }

    QAccessibleInterface* cell(int day) const {
        return day >= 1 && day <= calendar()->dayCount() ? cells_.at(day - 1) : nullptr;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return calendar()->dayCount(); }
    QAccessibleInterface* child(int index) const override { return cell(index + 1); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const int index = cells_.indexOf(child);
        return index < calendar()->dayCount() ? index : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        return cell(calendar()->dayAt(calendar()->mapFromGlobal(QPoint(x, y))));
    }
    QAccessibleInterface* focusChild() const override {
        return calendar()->hasFocus() ? cell(calendar()->cursorDay()) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (column < 0 || column >= kColumns) return nullptr;
        return cell(row * kColumns + column - calendar()->gridPosition(1) + 1);
    }
    int selectedCellCount() const override { return calendar()->GetSelectedDay() == -1 ? 0 : 1; }
    QList<QAccessibleInterface*> selectedCells() const override {
        QAccessibleInterface* selected = cell(calendar()->GetSelectedDay());
        return selected ? QList<QAccessibleInterface*>{selected} : QList<QAccessibleInterface*>{};
    }
    QString columnDescription(int column) const override {
        return column >= 0 && column < kColumns ? WCalendar::weekdayName(column + 1) : QString();
    }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return kRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    AccessibleParts cells_;
};

QAccessibleInterface* calendarFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("WCalendar") && object && object->isWidgetType())
        return new CalendarTable(static_cast<WCalendar*>(object));
    return nullptr;
}

} // namespace

void installCalendarAccessibility() {
    installAccessibleFactory(calendarFactory);
}

QAccessibleInterface* accessibleDay(WCalendar* calendar, int day) {
    if (!QAccessible::isActive()) return nullptr;
    auto* table = dynamic_cast<CalendarTable*>(QAccessible::queryAccessibleInterface(calendar));
    return table ? table->cell(day) : nullptr;
}
