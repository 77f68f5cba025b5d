#pragma once

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QObject>
#include <QString>
#include <QTextCursor>

#include <cstddef>
#include <memory>
#include <string>

// Between a record's stored text and the edit controls that show it, on Stickums and pages
// alike. Records keep their bytes as the file holds them, lines broken by CR LF; the controls
// break lines with "\n".

// The record's bytes as an edit control shows them: read as UTF-8, or as Windows-1252 when they
// are not; CR LF and a lone CR both break a line.
QString toEditText(const std::string& bytes);

// The edit control's text with the records' CR LF line breaks.
QString withStoredLineBreaks(QString text);

// What an edit control holds, as record bytes: UTF-8 with CR LF line breaks, cut to at most
// maxBytes bytes without splitting a character; in Windows-1252 when only so all of it fits.
std::string fromEditText(const QString& text, std::size_t maxBytes);

// How many bytes the edit control's text takes as a record stores it: UTF-8, a line break
// counting as the two bytes CR LF. What is typed or pasted must keep this within the field.
std::size_t storedSize(const QString& text);

// The text cut to at most maxBytes bytes of UTF-8, never inside a character.
QString cutToBytes(const QString& text, std::size_t maxBytes);

// Line breaks as other systems end their lines (CR LF, CR, the Unicode separators) become the
// edit controls' "\n".
QString withEditLineBreaks(QString text);

// The longest start of `insert`, never ending inside a character, that can take the place of
// text's characters [from, to) with the whole still fitting a field of maxBytes as stored.
QString fittingStart(const QString& text, qsizetype from, qsizetype to, const QString& insert,
                     std::size_t maxBytes);

// Keeps an edit control within the stored bytes of a record's field, whatever way text comes
// in: a key that would type past them is not taken, and a paste, a drop or an input method's
// text is cut between characters to what fits before the control takes it, with a beep. The
// controls ask it from their event handlers.
class StoredTextLimit : public QObject {
    Q_OBJECT
public:
    // Where new text goes in a control: the control's text and the selection [from, to) that
    // new text replaces.
    struct Place {
        QString text;
        qsizetype from = 0;
        qsizetype to = 0;
        static Place of(const QTextCursor& cursor);
    };

    StoredTextLimit(std::size_t maxBytes, QObject* parent) : QObject(parent), maxBytes_(maxBytes) {}

    // Whether the key types text that does not fit in place.
    bool refusesKey(const QKeyEvent& key, const Place& place) const;
    // What of the new text fits in place, with the controls' line breaks.
    QString fit(const QString& added, const Place& place);
    // The input method's event with its text cut to what fits; none when all of it fits.
    std::unique_ptr<QInputMethodEvent> fitted(const QInputMethodEvent& event, const Place& place);

signals:
    // Some of a paste, a drop or a composed text was left out: it did not fit.
    void inputCut();

private:
    std::size_t maxBytes_;
};

// An edit control of several lines (QTextEdit, QPlainTextEdit) that holds a record's text
// within its field's stored bytes: it hands what comes in to its StoredTextLimit.
template <class Edit> class StoredTextEdit : public Edit {
public:
    StoredTextEdit(std::size_t maxBytes, QWidget* parent)
        : Edit(parent), limit_(new StoredTextLimit(maxBytes, this)) {}

protected:
    StoredTextLimit* limit() const { return limit_; }

    void keyPressEvent(QKeyEvent* event) override {
        // The text is full: the character is not taken.
        if (!this->isReadOnly() && limit_->refusesKey(*event, place())) return event->accept();
        Edit::keyPressEvent(event);
    }
    void insertFromMimeData(const QMimeData* source) override {
        if (this->isReadOnly() || !source || !source->hasText()) return;
        this->insertPlainText(limit_->fit(source->text(), place()));
    }
    void inputMethodEvent(QInputMethodEvent* event) override {
        const auto cut = this->isReadOnly() ? nullptr : limit_->fitted(*event, place());
        Edit::inputMethodEvent(cut ? cut.get() : event);
    }

private:
    StoredTextLimit::Place place() const { return StoredTextLimit::Place::of(this->textCursor()); }

    StoredTextLimit* limit_;
};
