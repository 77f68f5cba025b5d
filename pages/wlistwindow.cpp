#include "pages/wlistwindow.h"

#include "look/images.h"
#include "look/l10n.h"
#include "model/catalogue.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

constexpr int kItemDataRole = Qt::UserRole;
constexpr int kStateRole = Qt::UserRole + 1;
constexpr int kStateSide = 16;

struct Column {
    const char* title;
    int width; // pixels
};
constexpr Column kColumns[] = {
    {msg::ColumnName, 100},
    {msg::ColumnWhen, 90},
    {msg::ColumnWhat, 300},
};

// The list's own item painter, which can also tell where it puts a row's icon.
class StateDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QRect decorationRect(QStyleOptionViewItem option, const QModelIndex& index) const {
        initStyleOption(&option, index);
        const QWidget* widget = option.widget;
        const QStyle* style = widget ? widget->style() : QApplication::style();
        return style->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, widget);
    }

protected:
    // The state icon stands for the check box: none is drawn, and only the list flips it.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->features &= ~QStyleOptionViewItem::HasCheckIndicator;
    }
    bool editorEvent(QEvent*, QAbstractItemModel*, const QStyleOptionViewItem&,
                     const QModelIndex&) override {
        return false;
    }
};

} // namespace

// A row: its text and item data are kept; the icon follows its state, and the other cells are
// asked of the page as they are drawn.
class WListWindow::Row : public QTreeWidgetItem {
public:
    QVariant data(int column, int role) const override {
        const auto* list = static_cast<const WListWindow*>(treeWidget());
        if (list && column == 0 && role == Qt::DecorationRole)
            return list->stateIcon(QTreeWidgetItem::data(0, kStateRole).toInt());
        if (column == 0 && role == Qt::CheckStateRole)
            return QTreeWidgetItem::data(0, kStateRole).toInt() == 0 ? Qt::Checked : Qt::Unchecked;
        if (list && column > 0 && role == Qt::DisplayRole) {
            if (!list->cellText_) return QString();
            return list->cellText_(QTreeWidgetItem::data(0, kItemDataRole).toInt(), column);
        }
        return QTreeWidgetItem::data(column, role);
    }
};

WListWindow::WListWindow(int id, int armedPicture, int disarmedPicture, QWidget* parent)
    : QTreeWidget(parent), id_(id), armed_(Images::icon(armedPicture)),
      disarmed_(Images::icon(disarmedPicture)) {
    setItemDelegate(new StateDelegate(this));
    setRootIsDecorated(false);
    setIndentation(0);
    // A row is as high as its cells: an object of two lines takes two.
    setUniformRowHeights(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(kStateSide, kStateSide));
    setColumnCount(static_cast<int>(std::size(kColumns)));
    QStringList titles;
    for (const Column& column : kColumns)
        titles << l10n::text(column.title);
    setHeaderLabels(titles);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < columnCount(); ++c) {
        header()->setSectionResizeMode(c, QHeaderView::Interactive);
        setColumnWidth(c, kColumns[c].width);
    }
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) {
                if (quiet_) return;
                for (const QModelIndex& index : selected.indexes())
                    if (index.column() == 0) emit rowSelected(index.row());
            });
}

int WListWindow::insertRow(const QString& text, int stateImage, int itemData) {
    auto* item = new Row;
    item->setText(0, text);
    item->setData(0, kItemDataRole, itemData);
    item->setData(0, kStateRole, stateImage);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    // After every row whose text does not come later, whatever the case of the letters.
    int at = 0;
    while (at < rowCount() && rowText(at).compare(text, Qt::CaseInsensitive) <= 0)
        ++at;
    insertTopLevelItem(at, item);
    return at;
}

void WListWindow::cellsChanged() {
    scheduleDelayedItemsLayout();
    viewport()->update();
}

void WListWindow::deleteAllRows() {
    clear();
    lastClicked_ = -1;
}

void WListWindow::deleteRow(int row) {
    // No other row takes the selection of a row deleted.
    const bool wasSelected = selectedRow() == row;
    quiet_ = true;
    delete takeTopLevelItem(row);
    if (wasSelected) clearSelection();
    quiet_ = false;
    if (lastClicked_ == row)
        lastClicked_ = -1;
    else if (lastClicked_ > row)
        --lastClicked_;
}

QString WListWindow::rowText(int r) const {
    const QTreeWidgetItem* item = row(r);
    return item ? item->text(0) : QString();
}

int WListWindow::itemData(int r) const {
    const QTreeWidgetItem* item = row(r);
    return item ? item->data(0, kItemDataRole).toInt() : -1;
}

int WListWindow::stateImage(int r) const {
    const QTreeWidgetItem* item = row(r);
    return item ? item->data(0, kStateRole).toInt() : -1;
}

void WListWindow::setStateImage(int r, int image) {
    if (QTreeWidgetItem* item = row(r)) item->setData(0, kStateRole, image);
}

QString WListWindow::cellText(int r, int column) const {
    const QTreeWidgetItem* item = row(r);
    return item ? item->data(column, Qt::DisplayRole).toString() : QString();
}

int WListWindow::rowOfItemData(int wanted) const {
    for (int r = 0; r < rowCount(); ++r)
        if (itemData(r) == wanted) return r;
    return -1;
}

int WListWindow::selectedRow() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.first());
}

void WListWindow::selectRow(int r) {
    if (QTreeWidgetItem* item = row(r)) setCurrentItem(item);
}

void WListWindow::deselectRow(int r) {
    if (QTreeWidgetItem* item = row(r)) item->setSelected(false);
}

QRect WListWindow::stateIconRect(int r) const {
    QTreeWidgetItem* item = row(r);
    if (!item) return {};
    const QModelIndex index = indexFromItem(item, 0);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    return static_cast<const StateDelegate*>(itemDelegate())->decorationRect(option, index);
}

bool WListWindow::pressedOwnWay(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return false;
    const QPoint point = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(point);
    if (!item) return true; // below the rows: nothing happens
    const int r = indexOfTopLevelItem(item);
    if (!stateIconRect(r).contains(point)) return false;
    flipIcon(r);
    return true;
}

void WListWindow::flipIcon(int r) {
    setStateImage(r, stateImage(r) == 0 ? 1 : 0);
    lastClicked_ = r;
    emit iconClicked(r);
}

void WListWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (QTreeWidgetItem* current = currentItem()) flipIcon(indexOfTopLevelItem(current));
        return event->accept();
    }
    QTreeWidget::keyPressEvent(event);
}

void WListWindow::mousePressEvent(QMouseEvent* event) {
    swallowRelease_ = pressedOwnWay(event);
    if (swallowRelease_)
        event->accept();
    else
        QTreeWidget::mousePressEvent(event);
}

// A quick second click on an icon flips it back, as two single clicks would.
void WListWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void WListWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (swallowRelease_ && event->button() == Qt::LeftButton) {
        swallowRelease_ = false;
        event->accept();
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}
