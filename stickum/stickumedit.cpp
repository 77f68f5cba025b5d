#include "stickum/stickumedit.h"

#include "model/postit.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextLayout>

StickumEdit::StickumEdit(QWidget* parent) : StoredTextEdit(kTextBytes, parent) {
    connect(limit(), &StoredTextLimit::inputCut, this, &StickumEdit::inputCut);
    setAcceptRichText(false);
    setFrameStyle(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setLineWrapMode(QTextEdit::FixedPixelWidth);
    setTabChangesFocus(false);
    document()->setDocumentMargin(0);
    setViewportMargins(0, 0, 0, 0);
    // Text scrolls by whole lines: the top line is never cut, whatever is left at the bottom.
    QScrollBar* bar = verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int maximum) {
        if (wholeLines(maximum) != maximum) bar->setMaximum(wholeLines(maximum));
    });
    connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) {
        if (wholeLines(value) != value) bar->setValue(wholeLines(value));
    });
}

int StickumEdit::wholeLines(int pixels) const {
    if (lineHeight_ <= 0) return pixels;
    return (pixels + lineHeight_ - 1) / lineHeight_ * lineHeight_;
}

QString StickumEdit::storedText() const {
    return withStoredLineBreaks(toPlainText());
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

void StickumEdit::keyPressEvent(QKeyEvent* event) {
    // Tab types a tab into the note; Ctrl+Tab goes on to the title bar's buttons.
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && (event->modifiers() & Qt::ControlModifier)) {
        const bool back =
            event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
        focusNextPrevChild(!back);
        return event->accept();
    }
    StoredTextEdit::keyPressEvent(event);
}
