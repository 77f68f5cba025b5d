#pragma once

#include <QString>

#include <cstddef>
#include <string>

class QKeyEvent;
class QTextCursor;

// Between a record's stored text and the edit controls that show it, on Stickums and pages
// alike. Records keep their bytes as the file holds them, lines broken by CR LF; the controls
// break lines with "\n".

// The record's bytes as an edit control shows them: read as UTF-8, or as Windows-1252 when they
// are not; CR LF and a lone CR both break a line.
QString toEditText(const std::string& bytes);

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
// text is cut between characters to what fits before the control takes it. The controls ask
// it from their event handlers, with their text and the selection [from, to) that new text
// replaces.
class StoredTextLimit {
public:
    explicit StoredTextLimit(std::size_t maxBytes) : maxBytes_(maxBytes) {}

    std::size_t maxBytes() const { return maxBytes_; }
    // Whether the key types text that does not fit in place of the selection.
    bool refusesKey(const QKeyEvent& key, const QString& text, qsizetype from, qsizetype to) const;
    // What of the new text fits in place of the selection, with the edit's line breaks; `cut`
    // says whether some of it had to be left out.
    QString fit(const QString& added, const QString& text, qsizetype from, qsizetype to,
                bool& cut) const;
    // The same for an edit control whose cursor holds the text and the selection.
    bool refusesKey(const QKeyEvent& key, const QTextCursor& cursor) const;
    QString fit(const QString& added, const QTextCursor& cursor, bool& cut) const;

private:
    std::size_t maxBytes_;
};
