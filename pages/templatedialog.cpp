#include "pages/templatedialog.h"

#include "look/frameontop.h"
#include "look/images.h"
#include "look/l10n.h"
#include "model/postit.h"
#include "pages/recordtextedit.h"
#include "resources/dialogs.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

namespace {

// Icons stand at their large size, whatever the box in the table says.
constexpr int kIconSide = 32;
// Pixels kept free between a widened control and its neighbours.
constexpr int kNeighbourGap = 2;

bool overlapsVertically(const QRect& a, const QRect& b) {
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

// A text as it shows: "&&" is an ampersand, a single "&" only marks its letter.
QString shownText(QString shown) {
    shown.replace(QLatin1String("&&"), QString(QChar::ObjectReplacementCharacter));
    shown.remove(QLatin1Char('&'));
    return shown.replace(QChar::ObjectReplacementCharacter, QLatin1Char('&'));
}

bool takesKeys(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) && !qobject_cast<const QLabel*>(widget);
}

QLabel* makeText(const DialogItem& row, QWidget* parent) {
    auto* label = new QLabel(l10n::text(row.text), parent);
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
    followTableOrder();
    // Once the page has put its own controls in place: a button whose text (another language,
    // another font) is still longer than its place takes the room the page has beside it, and
    // the frames stay whole at fractional scales.
    QTimer::singleShot(0, this, [this] {
        for (QWidget* widget : items_)
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                widen(button, missingRoom(button));
        FrameOnTop::coverScrollAreas(this);
    });
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
        followTableOrder();
        return;
    }
}

void TemplateDialog::takeKeyPlace(int id, QWidget* control) {
    keyPlaces_.emplace_back(id, control);
    followTableOrder();
}

void TemplateDialog::followTableOrder() {
    std::vector<QWidget*> order = items_;
    for (const auto& [id, control] : keyPlaces_)
        for (std::size_t i = 0; i < ids_.size(); ++i)
            if (ids_[i] == id) order[i] = control;
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (!takesKeys(widget)) continue;
        if (previous) setTabOrder(previous, widget);
        previous = widget;
    }
    for (auto text = order.begin(); text != order.end(); ++text) {
        auto* label = qobject_cast<QLabel*>(*text);
        if (!label || !label->text().contains(QLatin1Char('&'))) continue;
        const auto field = std::find_if(text + 1, order.end(), takesKeys);
        if (field != order.end())
            label->setBuddy(*field);
        else
            label->setText(shownText(label->text())); // no letter leads anywhere
    }
}

QWidget* TemplateDialog::create(const DialogItem& row) {
    const QString text = l10n::text(row.text);
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
        // The pages' edits of several lines all hold a record's text.
        return new RecordTextEdit(kTextBytes, this);
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
    const int needed = label->fontMetrics().horizontalAdvance(shownText(l10n::text(row.text)));
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

int TemplateDialog::widen(QWidget* control, int extra) {
    if (!control || extra <= 0) return std::max(extra, 0);
    QRect box = control->geometry();
    int leftLimit = 0;
    int rightLimit = width() - 1;
    QLabel* leftText = nullptr;
    for (QWidget* other : items_) {
        if (other == control || other->isHidden()) continue;
        const QRect r = other->geometry();
        if (r.contains(box)) {
            // A group box (or the tab control) holding the control bounds it from inside.
            const int inset = qobject_cast<QGroupBox*>(other) ? kGroupInset : 0;
            leftLimit = std::max(leftLimit, r.left() + inset);
            rightLimit = std::min(rightLimit, r.right() - inset);
            continue;
        }
        if (!overlapsVertically(r, box)) continue;
        if (r.left() > box.right()) rightLimit = std::min(rightLimit, r.left() - kNeighbourGap);
        if (r.right() < box.left() && r.right() + kNeighbourGap > leftLimit) {
            leftLimit = r.right() + kNeighbourGap;
            auto* label = qobject_cast<QLabel*>(other);
            leftText = label && label->wordWrap() ? label : nullptr;
        }
    }
    const int right = std::clamp(rightLimit - box.right(), 0, extra);
    box.setRight(box.right() + right);
    extra -= right;
    const int left = std::clamp(box.left() - leftLimit, 0, extra);
    box.setLeft(box.left() - left);
    extra -= left;
    if (extra > 0 && leftText) {
        // The text on the left gives up what it can spare.
        QRect text = leftText->geometry();
        int spare = 0;
        while (spare < extra && text.width() - spare > 1 &&
               leftText->heightForWidth(text.width() - spare - 1) <= text.height())
            ++spare;
        text.setRight(text.right() - spare);
        leftText->setGeometry(text);
        box.setLeft(box.left() - spare);
        extra -= spare;
    }
    control->setGeometry(box);
    return extra;
}

int TemplateDialog::missingRoom(const QAbstractSpinBox* field, const QString& widest) {
    QStyleOptionSpinBox option;
    option.initFrom(field);
    option.rect = field->rect();
    option.frame = field->hasFrame();
    option.buttonSymbols = field->buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField |
                         QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    const QRect edit = field->style()->subControlRect(QStyle::CC_SpinBox, &option,
                                                      QStyle::SC_SpinBoxEditField, field);
    // The edit keeps two pixels either side of its text, and one more for the text cursor.
    const int room = edit.width() - 5;
    return std::max(0, field->fontMetrics().horizontalAdvance(widest) - room);
}

int TemplateDialog::missingRoom(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.rect = button->rect();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button)) contents = QStyle::SE_CheckBoxContents;
    if (qobject_cast<const QRadioButton*>(button)) contents = QStyle::SE_RadioButtonContents;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    QString text = button->text();
    text.remove(u'&');
    return std::max(0, button->fontMetrics().horizontalAdvance(text) - room.width());
}
