#include "pages/recordtextedit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

RecordTextEdit::RecordTextEdit(std::size_t maxBytes, QWidget* parent)
    : StoredTextEdit(maxBytes, parent) {
    connect(limit(), &StoredTextLimit::inputCut, this, &RecordTextEdit::inputCut);
}

RecordLineEdit::RecordLineEdit(std::size_t maxBytes, QWidget* parent)
    : QLineEdit(parent), limit_(new StoredTextLimit(maxBytes, this)) {
    connect(limit_, &StoredTextLimit::inputCut, this, &RecordLineEdit::inputCut);
}

StoredTextLimit::Place RecordLineEdit::place() const {
    if (!hasSelectedText()) return {text(), cursorPosition(), cursorPosition()};
    return {text(), selectionStart(), selectionStart() + selectedText().size()};
}

QString RecordLineEdit::fitting(const QString& added) {
    QString line = withEditLineBreaks(added);
    line.replace(u'\n', u' ');
    return limit_->fit(line, place());
}

void RecordLineEdit::pasteFitting() {
    if (!isReadOnly()) insert(fitting(QApplication::clipboard()->text()));
}

void RecordLineEdit::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly() && event->matches(QKeySequence::Paste)) {
        pasteFitting();
        return event->accept();
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!isReadOnly() && !enter && limit_->refusesKey(*event, place())) return event->accept();
    QLineEdit::keyPressEvent(event);
}

void RecordLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    const auto cut = isReadOnly() ? nullptr : limit_->fitted(*event, place());
    QLineEdit::inputMethodEvent(cut ? cut.get() : event);
}

void RecordLineEdit::dropEvent(QDropEvent* event) {
    if (isReadOnly() || !event->mimeData()->hasText()) return QLineEdit::dropEvent(event);
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    deselect();
    insert(fitting(event->mimeData()->text()));
    event->acceptProposedAction();
}

void RecordLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The menu's paste takes only what fits, as Ctrl+V does.
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, &RecordLineEdit::pasteFitting);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
