#include "pages/iconlist.h"

#include "look/images.h"
#include "resources/dialogs.h"

#include <QAbstractItemDelegate>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <map>

namespace {

constexpr int kNumberRole = Qt::UserRole;

// Draws a row: the note's icon at the row's left and top edge, then the title on the row's
// colours from the icon column on.
class IconRowDelegate : public QAbstractItemDelegate {
public:
    explicit IconRowDelegate(IconList& list) : QAbstractItemDelegate(&list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (!index.isValid()) return;
        const QRect row = option.rect;
        const int id = list_.rowActive(index.row()) ? kNoteShownIcon : kNoteHiddenIcon;
        painter->drawPixmap(row.left(), row.top(), icon(id, row.height()));

        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        const QColor text = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        const QColor back = palette.color(selected ? QPalette::Highlight : QPalette::Base);
        QRect box = row;
        box.setLeft(row.left() + IconList::kIconColumn);
        painter->save();
        painter->setClipRect(box);
        painter->fillRect(box, back);
        painter->setPen(text);
        painter->setFont(option.font);
        const QFontMetrics metrics(option.font);
        // Centred as the integer halves of the row's edges fall, the bottom edge exclusive.
        const int top = (row.top() + row.top() + row.height() - metrics.height()) / 2;
        painter->drawText(QPoint(box.left(), top + metrics.ascent()),
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {list_.viewport()->width(), list_.rowHeight()};
    }

private:
    // The icon stretched to the icon column's width and the row's height, made once per size.
    const QPixmap& icon(int id, int height) const {
        QPixmap& kept = icons_[{id, height}];
        if (kept.isNull()) kept = Images::pixmap(id, QSize(IconList::kIconWidth, height));
        return kept;
    }

    IconList& list_;
    mutable std::map<std::pair<int, int>, QPixmap> icons_;
};

} // namespace

IconList::IconList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new IconRowDelegate(*this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setSpacing(0);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void IconList::setActiveSource(std::function<bool(int)> source) {
    activeSource_ = std::move(source);
    viewport()->update();
}

int IconList::addRow(const QString& title, int number) {
    // After the last row that does not come later, so equal titles keep the order of adding.
    int index = count();
    while (index > 0 && QString::compare(item(index - 1)->text(), title, Qt::CaseInsensitive) > 0)
        --index;
    return insertRowAt(index, title, number);
}

int IconList::insertRowAt(int index, const QString& title, int number) {
    if (index < 0 || index > count()) return -1;
    auto* row = new QListWidgetItem(title);
    row->setData(kNumberRole, number);
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    insertItem(index, row);
    refreshRow(index);
    return index;
}

void IconList::refreshRow(int row) {
    if (QListWidgetItem* it = item(row))
        it->setCheckState(rowActive(row) ? Qt::Checked : Qt::Unchecked);
}

bool IconList::removeRowAt(int index) {
    if (index < 0 || index >= count()) return false;
    delete takeItem(index);
    return true;
}

int IconList::rowNumber(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->data(kNumberRole).toInt() : -1;
}

int IconList::rowWithNumber(int number) const {
    for (int row = 0; row < count(); ++row)
        if (rowNumber(row) == number) return row;
    return -1;
}

QString IconList::rowTitle(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->text() : QString();
}

int IconList::selectedRow() const {
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? -1 : row(chosen.first());
}

int IconList::rowHeight() const {
    const int checkMark = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    return std::max(checkMark + 2, fontMetrics().height());
}

int IconList::rowAtPoint(QPoint point) const {
    const QModelIndex top = indexAt(QPoint(0, 0));
    const int first = top.isValid() ? top.row() : 0;
    return first + point.y() / rowHeight();
}

bool IconList::rowActive(int row) const {
    return activeSource_ && activeSource_(rowNumber(row));
}

bool IconList::swallows(QPoint point) const {
    const int row = rowAtPoint(point);
    return point.y() < 0 || row > count() - 1 || point.x() <= kIconColumn;
}

void IconList::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QListWidget::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    const int row = rowAtPoint(point);
    if (swallows(point)) {
        event->accept();
        if (row >= 0 && row < count() && point.y() >= 0) emit iconPressed(row);
        return;
    }
    QListWidget::mousePressEvent(event);
    emit titlePressed(row);
}

void IconList::keyPressEvent(QKeyEvent* event) {
    const int before = selectedRow();
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (currentRow() >= 0) emit iconPressed(currentRow());
        return event->accept();
    }
    QListWidget::keyPressEvent(event);
    if (selectedRow() >= 0 && selectedRow() != before) emit rowSelectedByKey(selectedRow());
}

void IconList::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click switches nothing and selects nothing in the icon
    // column or below the rows; on a title it is an ordinary double click.
    if (event->button() == Qt::LeftButton && swallows(event->position().toPoint())) {
        event->accept();
        return;
    }
    QListWidget::mouseDoubleClickEvent(event);
}
