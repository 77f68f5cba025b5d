#include "stickum/stickumedit.h"

#include <QAbstractTextDocumentLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextLayout>

namespace {

QString plain(QString text) {
    // Pasted text may end its lines as other systems do; each break becomes one line break.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

} // namespace

StickumEdit::StickumEdit(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setFrameStyle(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setLineWrapMode(QTextEdit::FixedPixelWidth);
    setTabChangesFocus(false);
    document()->setDocumentMargin(0);
    setViewportMargins(0, 0, 0, 0);
}

int StickumEdit::storedBytes(const QString& text) {
    const QString p = plain(text);
    return static_cast<int>(p.toUtf8().size() + p.count(u'\n'));
}

QString StickumEdit::storedText() const {
    QString text = toPlainText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

int StickumEdit::lineCount() const {
    int lines = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        lines += layout && layout->lineCount() > 0 ? layout->lineCount() : 1;
    }
    return std::max(lines, 1);
}

void StickumEdit::setEditable(bool editable) {
    setReadOnly(!editable);
    if (!editable) {
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
}

void StickumEdit::setWrapWidth(int width) {
    width = std::max(width, 1);
    if (lineWrapColumnOrWidth() != width) setLineWrapColumnOrWidth(width);
}

void StickumEdit::setLineHeight(int pixels) {
    lineHeight_ = pixels;
    applyLineHeight();
}

void StickumEdit::setText(const QString& text) {
    setPlainText(text);
    applyLineHeight();
}

void StickumEdit::applyLineHeight() {
    if (lineHeight_ <= 0) return;
    // A line of the layout would otherwise take the font's leading too, and a Stickum sized in
    // lines would scroll its first line partly out of sight.
    // Only the look changes: nothing may take it for an edit of the text.
    const QSignalBlocker quiet(document());
    const bool modified = document()->isModified();
    const bool undo = document()->isUndoRedoEnabled();
    document()->setUndoRedoEnabled(false);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setLineHeight(lineHeight_, QTextBlockFormat::FixedHeight);
    all.mergeBlockFormat(format);
    document()->setUndoRedoEnabled(undo);
    document()->setModified(modified);
}

int StickumEdit::room() const {
    const int used = storedBytes(toPlainText()) - storedBytes(textCursor().selectedText());
    return kMaxBytes - used;
}

QString StickumEdit::fitting(const QString& text) const {
    int left = room();
    QString out;
    for (int i = 0; i < text.size();) {
        const int n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString piece = text.mid(i, n);
        const int bytes = storedBytes(piece);
        if (bytes > left) break;
        left -= bytes;
        out += piece;
        i += n;
    }
    return out;
}

void StickumEdit::keyPressEvent(QKeyEvent* event) {
    // Tab types a tab into the note; Ctrl+Tab goes on to the title bar's buttons.
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && (event->modifiers() & Qt::ControlModifier)) {
        const bool back =
            event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
        focusNextPrevChild(!back);
        return event->accept();
    }
    if (!isReadOnly()) {
        QString typed = event->text();
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) typed = "\n";
        const bool inserts =
            !typed.isEmpty() &&
            (typed == "\n" || typed == "\t" || typed.at(0).isPrint() || typed.at(0).isSurrogate());
        if (inserts && !(event->modifiers() & Qt::ControlModifier) && storedBytes(typed) > room()) {
            event->accept(); // the text is full: the character is not taken
            return;
        }
    }
    QTextEdit::keyPressEvent(event);
}

void StickumEdit::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || !source || !source->hasText()) return;
    insertPlainText(fitting(plain(source->text())));
}

void StickumEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (isReadOnly() || event->commitString().isEmpty()) {
        QTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(fitting(event->commitString()), event->replacementStart(),
                        event->replacementLength());
    QTextEdit::inputMethodEvent(&cut);
}
