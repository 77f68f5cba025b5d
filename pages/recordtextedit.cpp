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

namespace {

void saySomethingWasCut() {
    QApplication::beep();
}

} // namespace

RecordTextEdit::RecordTextEdit(std::size_t maxBytes, QWidget* parent)
    : QPlainTextEdit(parent), limit_(maxBytes) {}

QString RecordTextEdit::fitting(const QString& added) {
    bool cut = false;
    QString fits = limit_.fit(added, textCursor(), cut);
    if (cut) {
        saySomethingWasCut();
        emit inputCut();
    }
    return fits;
}

void RecordTextEdit::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly() && limit_.refusesKey(*event, textCursor())) return event->accept();
    QPlainTextEdit::keyPressEvent(event);
}

void RecordTextEdit::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || !source || !source->hasText()) return;
    insertPlainText(fitting(source->text()));
}

void RecordTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (isReadOnly() || event->commitString().isEmpty())
        return QPlainTextEdit::inputMethodEvent(event);
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(fitting(event->commitString()), event->replacementStart(),
                        event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
}

RecordLineEdit::RecordLineEdit(std::size_t maxBytes, QWidget* parent)
    : QLineEdit(parent), limit_(maxBytes) {}

QString RecordLineEdit::fitting(const QString& added) {
    const qsizetype from = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype to = hasSelectedText() ? selectionEnd() : cursorPosition();
    // One line: the new text's line breaks become spaces.
    QString line = withEditLineBreaks(added);
    line.replace(u'\n', u' ');
    bool cut = false;
    QString fits = limit_.fit(line, text(), from, to, cut);
    if (cut) {
        saySomethingWasCut();
        emit inputCut();
    }
    return fits;
}

void RecordLineEdit::pasteFitting() {
    if (isReadOnly()) return;
    insert(fitting(QApplication::clipboard()->text()));
}

void RecordLineEdit::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly() && event->matches(QKeySequence::Paste)) {
        pasteFitting();
        return event->accept();
    }
    const qsizetype from = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype to = hasSelectedText() ? selectionEnd() : cursorPosition();
    if (!isReadOnly() && event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter &&
        limit_.refusesKey(*event, text(), from, to))
        return event->accept();
    QLineEdit::keyPressEvent(event);
}

void RecordLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (isReadOnly() || event->commitString().isEmpty()) return QLineEdit::inputMethodEvent(event);
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(fitting(event->commitString()), event->replacementStart(),
                        event->replacementLength());
    QLineEdit::inputMethodEvent(&cut);
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
