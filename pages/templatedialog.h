#pragma once

#include "pages/dialogunits.h"
#include "resources/dialogtable.h"

#include <QWidget>

#include <vector>

class QAbstractButton;
class QAbstractSpinBox;
class QTabWidget;

// A dialog whose controls come from its table: every item becomes a child widget at its
// rectangle converted from dialog units with the dialog's font, and the dialog takes the
// table's size. Static texts that would be clipped by a wider font grow to fit (centred ones
// on both sides), never past the dialog's edges. Tab goes through the controls in table order,
// and the Alt+letter of a text ("&When") leads to the first control after it that takes the
// keyboard, which a screen reader also names after that text.
class TemplateDialog : public QWidget {
    Q_OBJECT
public:
    // A table id without a table gives an empty dialog.
    explicit TemplateDialog(int tableId, QWidget* parent = nullptr);

    int tableId() const { return tableId_; }
    const DialogUnits& units() const { return units_; }
    // The table's size in pixels.
    QSize templateSize() const { return templateSize_; }

    // The control with this id, or nullptr.
    QWidget* item(int id) const;
    template <class T> T* itemAs(int id) const { return qobject_cast<T*>(item(id)); }
    // Puts the page's own control in the place of the item with this id (its rectangle, its
    // place in the order); the item that stood there is deleted. Returns the control.
    template <class T> T* replaceItem(int id, T* control) {
        replaceWidget(id, control);
        return control;
    }
    // The same for a number control, which also covers the arrows beside it (the item with
    // arrowsId, then hidden): a number and its arrows make one control.
    template <class T> T* replaceItemAndArrows(int id, int arrowsId, T* control) {
        QWidget* arrows = item(arrowsId);
        replaceWidget(id, control);
        if (arrows) {
            control->setGeometry(control->geometry().united(arrows->geometry()));
            arrows->hide();
        }
        return control;
    }
    // Every control, in table order.
    const std::vector<QWidget*>& items() const { return items_; }
    // A control the page made itself over the item with this id (which stays) takes the item's
    // place in the order of Tab and of the texts' letters.
    void takeKeyPlace(int id, QWidget* control);

    QSize sizeHint() const override { return templateSize_; }

    // Widens a control of the page by extra pixels where the page has room for it: into free
    // room on its right, then on its left, then taken from a wrapping text on its left that
    // still shows all of itself in less width. Never over another control, nor past the group
    // box holding it or the page's edge. Returns the pixels it could not find.
    int widen(QWidget* control, int extra);
    // Pixels widen() keeps free inside a group box's frame.
    static constexpr int kGroupInset = 4;
    // Pixels a number field lacks to show this text whole (0 when it fits).
    static int missingRoom(const QAbstractSpinBox* field, const QString& widest);
    // Pixels a check box, radio button or push button lacks to show its text whole.
    static int missingRoom(const QAbstractButton* button);

private:
    void replaceWidget(int id, QWidget* control);
    QWidget* create(const DialogItem& row);
    void fitText(QWidget* label, const DialogItem& row);
    void followTableOrder();

    int tableId_;
    DialogUnits units_;
    QSize templateSize_;
    std::vector<QWidget*> items_;
    std::vector<int> ids_;
    std::vector<std::pair<int, QWidget*>> keyPlaces_; // takeKeyPlace()
};
