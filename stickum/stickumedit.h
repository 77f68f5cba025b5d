#pragma once

#include "look/recordtext.h"

#include <QTextEdit>

// The edit field of a Stickum: plain multi-line text that wraps at the right edge and holds at
// most 255 bytes as stored (a line break counting as the two bytes CR LF). Typing beyond that is
// refused; a paste or a composed text is cut to what fits, with a beep. A read-only edit still
// scrolls and selects. Tab types a tab; Ctrl+Tab and Ctrl+Shift+Tab move on to the Stickum's
// buttons.
class StickumEdit : public StoredTextEdit<QTextEdit> {
    Q_OBJECT
public:
    explicit StickumEdit(QWidget* parent);

    // The text with CR LF line breaks, as records keep it.
    QString storedText() const;
    // Lines as shown, wrapped lines included (an empty edit has one).
    int lineCount() const;
    void setEditable(bool editable);
    // The width at which lines wrap.
    void setWrapWidth(int width);
    // Every line is this many pixels high, so that the Stickum's size in lines is exact; lines
    // typed or pasted later keep it.
    void setLineHeight(int pixels);
    // Replaces the text; its lines keep the line height.
    void setText(const QString& text);

signals:
    // Some of a paste or a composed text was left out: it did not fit.
    void inputCut();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyLineHeight();
    // Pixels rounded up to whole lines.
    int wholeLines(int pixels) const;

    int lineHeight_ = 0;
};
