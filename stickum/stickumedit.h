#pragma once

#include <QTextEdit>

// The edit field of a Stickum: plain multi-line text that wraps at the right edge and holds at
// most 255 bytes as stored (UTF-8, a line break counting as the two bytes CR LF). Typing,
// pasting or composing beyond that is refused; a read-only edit still scrolls and selects. Tab
// types a tab; Ctrl+Tab and Ctrl+Shift+Tab move on to the Stickum's buttons.
class StickumEdit : public QTextEdit {
    Q_OBJECT
public:
    static constexpr int kMaxBytes = 255;

    explicit StickumEdit(QWidget* parent);

    // The text with CR LF line breaks, as records keep it.
    QString storedText() const;
    // How many bytes the text takes as stored.
    static int storedBytes(const QString& text);
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

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // Bytes left for new text when the selection is replaced.
    int room() const;
    // The longest start of the text that fits in the room left.
    QString fitting(const QString& text) const;
    void applyLineHeight();

    int lineHeight_ = 0;
};
