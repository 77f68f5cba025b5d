#include "pages/templatedialog.h"

#include "resources/dialogs.h"
#include "stickum/images.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace {

// Icons stand at their large size, whatever the box in the table says.
constexpr int kIconSide = 32;

QLabel* makeText(const DialogItem& row, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(row.text), parent);
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (row.kind == ItemKind::CentredText) horizontal = Qt::AlignHCenter;
    if (row.kind == ItemKind::RightText) horizontal = Qt::AlignRight;
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setContentsMargins(0, 0, 0, 0);
    return label;
}

} // namespace

TemplateDialog::TemplateDialog(int tableId, QWidget* parent)
    : QWidget(parent), tableId_(tableId), units_(QApplication::font()) {
    const DialogTable* table = dialogTable(tableId);
    if (!table) return;
    templateSize_ = units_.size(table->cx, table->cy);
    resize(templateSize_);
    for (const DialogItem& row : table->items) {
        QWidget* widget = create(row);
        widget->setGeometry(units_.rect(row.x, row.y, row.cx, row.cy));
        if (row.kind == ItemKind::Icon)
            widget->resize(kIconSide, kIconSide);
        else if (qobject_cast<QLabel*>(widget) && row.kind != ItemKind::Picture)
            fitText(widget, row);
        items_.push_back(widget);
        ids_.push_back(row.id);
    }
}

QWidget* TemplateDialog::item(int id) const {
    if (id == kNoId) return nullptr;
    for (std::size_t i = 0; i < ids_.size(); ++i)
        if (ids_[i] == id) return items_[i];
    return nullptr;
}

void TemplateDialog::replaceWidget(int id, QWidget* control) {
    for (std::size_t i = 0; i < ids_.size(); ++i) {
        if (ids_[i] != id) continue;
        QWidget* old = items_[i];
        control->setParent(this);
        control->setGeometry(old->geometry());
        control->stackUnder(old);
        items_[i] = control;
        delete old;
        control->show();
        return;
    }
}

QWidget* TemplateDialog::create(const DialogItem& row) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case ItemKind::PushButton:
    case ItemKind::DefPushButton: {
        auto* button = new QPushButton(text, this);
        button->setDefault(row.kind == ItemKind::DefPushButton);
        return button;
    }
    case ItemKind::Text:
    case ItemKind::CentredText:
    case ItemKind::RightText:
        return makeText(row, this);
    case ItemKind::Icon: {
        auto* label = new QLabel(this);
        label->setPixmap(Images::pixmap(row.picture, QSize(kIconSide, kIconSide)));
        return label;
    }
    case ItemKind::Picture: {
        auto* label = new QLabel(this);
        label->setPixmap(Images::pixmap(row.picture));
        label->setAlignment(Qt::AlignCenter);
        return label;
    }
    case ItemKind::TabControl: {
        auto* tabs = new QTabWidget(this);
        tabs->setUsesScrollButtons(false);
        tabs->tabBar()->setExpanding(true);
        return tabs;
    }
    case ItemKind::Edit:
        return new QLineEdit(this);
    case ItemKind::CheckBox:
        return new QCheckBox(text, this);
    case ItemKind::RadioButton:
        return new QRadioButton(text, this);
    case ItemKind::GroupBox:
        return new QGroupBox(text, this);
    case ItemKind::MultiLineEdit:
        return new QPlainTextEdit(this);
    case ItemKind::ComboBox: {
        auto* combo = new QComboBox(this);
        combo->setEditable(true);
        return combo;
    }
    case ItemKind::ListBox:
        return new QListWidget(this);
    case ItemKind::Custom:
        return new QWidget(this);
    }
    return new QWidget(this);
}

void TemplateDialog::fitText(QWidget* label, const DialogItem& row) {
    const int needed = label->fontMetrics().horizontalAdvance(QString::fromUtf8(row.text));
    QRect box = label->geometry();
    if (needed <= box.width()) return;
    const int limit = templateSize_.width();
    const int extra = needed - box.width();
    switch (row.kind) {
    case ItemKind::CentredText:
        box.adjust(-(extra + 1) / 2, 0, extra / 2, 0);
        break;
    case ItemKind::RightText:
        box.setLeft(box.left() - extra);
        break;
    default:
        box.setRight(box.right() + extra);
        break;
    }
    // Keep inside the dialog, sliding back in from whichever edge was crossed.
    if (box.width() > limit) box = QRect(0, box.top(), limit, box.height());
    if (box.left() < 0) box.moveLeft(0);
    if (box.right() >= limit) box.moveRight(limit - 1);
    label->setGeometry(box);
}
