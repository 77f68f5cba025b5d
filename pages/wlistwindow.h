#pragma once

#include <QIcon>
#include <QTreeWidget>

#include <functional>

// A report list with a state icon in front of every row: image 0 (armed, shown) or image 1
// (crossed out, disarmed). Rows keep themselves sorted by their text, ascending; each carries
// a number of the page's own (its item data). The first column shows the row's text; the
// other cells are asked of the page whenever they are drawn, so they never go stale.
//
// A press on a row's state icon flips the icon and reports it (iconClicked) without moving the
// selection, as Space does for the current row; a screen reader hears the icon as the row's
// check box. A press on the rest of a row selects it; a press below the rows does nothing.
class WListWindow : public QTreeWidget {
    Q_OBJECT
public:
    // The text of a cell: the row's item data and the column (1 and up).
    using CellText = std::function<QString(int itemData, int column)>;

    // id: the list's control id; the pictures of state images 0 and 1.
    WListWindow(int id, int armedPicture, int disarmedPicture, QWidget* parent = nullptr);

    int controlId() const { return id_; }
    void setCellText(CellText cellText) { cellText_ = std::move(cellText); }

    // Puts the row in its place among the others; returns its row number.
    int insertRow(const QString& text, int stateImage, int itemData);
    void deleteAllRows();
    void deleteRow(int row);
    int rowCount() const { return topLevelItemCount(); }

    QString rowText(int row) const;
    int itemData(int row) const;
    int stateImage(int row) const;
    void setStateImage(int row, int image);
    // The text the list shows in a cell.
    QString cellText(int row, int column) const;
    // The row carrying this item data, or -1.
    int rowOfItemData(int itemData) const;
    // The page's cells changed: they are drawn anew, each row as high as its cells need.
    void cellsChanged();

    // The selected row, or -1.
    int selectedRow() const;
    void selectRow(int row);
    void deselectRow(int row);
    // The row whose icon was clicked last, or -1.
    int lastClickedRow() const { return lastClicked_; }

    // Where a row's state icon is drawn, in the coordinates of viewport().
    QRect stateIconRect(int row) const;
    const QIcon& stateIcon(int image) const { return image == 0 ? armed_ : disarmed_; }

signals:
    // The state icon of the row was clicked (lastClickedRow() is that row from now on).
    void iconClicked(int row);
    // A row has become selected.
    void rowSelected(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class Row;
    // True when the list dealt with the press itself.
    bool pressedOwnWay(QMouseEvent* event);
    void flipIcon(int row);
    QTreeWidgetItem* row(int row) const { return topLevelItem(row); }

    int id_;
    QIcon armed_;
    QIcon disarmed_;
    CellText cellText_;
    int lastClicked_ = -1;
    bool swallowRelease_ = false;
    bool quiet_ = false; // selection changes that are no user's choice
};
