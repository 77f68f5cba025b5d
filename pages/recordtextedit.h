#pragma once

#include "look/recordtext.h"

#include <QLineEdit>
#include <QPlainTextEdit>

// The edits of the pages that hold a record's text (a note, a lending's object and person, a
// reminder) take no more than the record's field stores, as a Stickum's edit does: typing past
// it is refused, and a paste, a drop or an input method's text is cut between characters to
// what fits, with a beep (inputCut).

// A record's text of several lines.
class RecordTextEdit : public StoredTextEdit<QPlainTextEdit> {
    Q_OBJECT
public:
    explicit RecordTextEdit(std::size_t maxBytes, QWidget* parent = nullptr);

signals:
    void inputCut();
};

// A record's text of one line: what is pasted or dropped loses its line breaks.
class RecordLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit RecordLineEdit(std::size_t maxBytes, QWidget* parent = nullptr);

    // Pastes what of the clipboard's text fits.
    void pasteFitting();

signals:
    void inputCut();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    StoredTextLimit::Place place() const;
    // What of the new text fits, on one line.
    QString fitting(const QString& added);

    StoredTextLimit* limit_;
};
