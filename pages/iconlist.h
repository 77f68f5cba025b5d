#pragma once

#include <QListWidget>

#include <functional>

// The list of note titles: one fixed-height row per note, the note's icon in a 16-pixel column
// at the left and the title after it. Every row carries a number of the page's choosing (the
// note's ordinal). Rows added with addRow go to their alphabetical place, case ignored; a row
// inserted at an index stays where it was put.
//
// A press on a row's icon column does not select the row: it asks the page to switch the
// note's Stickum on or off, as Space does for the current row; a screen reader hears the
// switch as the row's check box. A press on a row's title selects it in the ordinary way and
// then tells the page, and so do the keys that select another row. A press below the last row
// does nothing at all.
class IconList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kIconWidth = 16;
    // Presses at or left of this x fall on the icon column; titles start here.
    static constexpr int kIconColumn = 18;

    explicit IconList(QWidget* parent = nullptr);

    // Answers whether the row with this number shows the shown-note icon (else the
    // crossed-out one).
    void setActiveSource(std::function<bool(int number)> source);

    // Adds a row in its sorted place; returns its index.
    int addRow(const QString& title, int number);
    // Inserts a row at an index without sorting; returns the index, or -1 when the index lies
    // past the end.
    int insertRowAt(int index, const QString& title, int number);
    // Deletes the row; false when there is none at the index.
    bool removeRowAt(int index);

    // The number the row carries, or -1 when there is no such row.
    int rowNumber(int row) const;
    // The first row carrying the number, or -1.
    int rowWithNumber(int number) const;
    // The selected row, or -1.
    int selectedRow() const;

    // Every row has this height: a check mark's height and 2 pixels, or the font's height when
    // that is taller.
    int rowHeight() const;
    // The row a press at this point of the list's client area falls on, counted from the top
    // visible row; it may lie past the last row.
    int rowAtPoint(QPoint point) const;
    // Whether the row shows the shown-note icon.
    bool rowActive(int row) const;
    // Asks the page again whether the row's note is shown (after a switch).
    void refreshRow(int row);

signals:
    // The icon of the row was pressed.
    void iconPressed(int row);
    // The title of the row was pressed; the row is selected by now.
    void titlePressed(int row);
    // The keys selected the row.
    void rowSelectedByKey(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend struct IconListTestPeer;

    QString rowTitle(int row) const;
    // True when a left-button press at the point must not reach the ordinary processing.
    bool swallows(QPoint point) const;

    std::function<bool(int)> activeSource_;
};
