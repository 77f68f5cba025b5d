#pragma once

#include "model/options.h"

#include <QWidget>

#include <string>

class QPainter;
class SmallFrame;
class StickumEdit;

// The content window of a Stickum: one edit field with the record's text, drawn in the
// Stickum colours and font, with a 1-pixel border. In the "Minimum" dimension mode it makes
// its Stickum exactly as tall as its text.
class WPostIt : public QWidget {
    Q_OBJECT
public:
    // Built hidden and without a frame: screen width / 8 wide, heightInLines lines high.
    explicit WPostIt(const Options& options);

    // Replaces the whole text (record text: UTF-8, old single-byte texts shown as such).
    void setContent(const std::string& text);
    // The text as the edit shows it (lines broken by "\n").
    void setShownContent(const QString& shown);
    // At most capacity - 1 bytes of the text, CR LF line breaks, cut at a character boundary.
    std::string getContent(std::size_t capacity = 256) const;
    // The edit is read-only exactly when editable is false.
    void setEditable(bool editable);
    // The colour the content window is filled with.
    void setBackgroundColor(ColorRef color);

    SmallFrame* frame() const { return frame_; }
    void setFrame(SmallFrame* frame) { frame_ = frame; }

    int lineCount() const { return lineCount_; }
    StickumEdit* edit() const { return edit_; }
    // Whether the edit's vertical scroll bar is on.
    bool scrollBarShown() const;
    // The start of the text for the rolled-up caption: at most 39 characters, line breaks as
    // spaces.
    QString summaryText() const;

    // Steps the frame takes: set-up once the frame holds the content window, fitting the
    // Stickum to its text, and the edit following a new size.
    void setUp();
    void fitToText();
    void applyScrollBarRule();
    void layoutEdit();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend struct WPostItTestPeer;

    // The one-pixel border around the text.
    void drawBorder(QPainter& p) const;
    void applyLook();
    void textChanged();

    const Options& options_;
    StickumEdit* edit_;
    int lineHeight_;
    int lineCount_ = 0;
    SmallFrame* frame_ = nullptr;
    ColorRef background_;
    bool fitting_ = false;
};
