#pragma once

#include <QString>

#include <cstddef>
#include <string>

// Between a record's stored text and the edit controls that show it, on Stickums and pages
// alike. Records keep their bytes as the file holds them, lines broken by CR LF; the controls
// break lines with "\n".

// The record's bytes as an edit control shows them: read as UTF-8, or as Windows-1252 when they
// are not; CR LF and a lone CR both break a line.
QString toEditText(const std::string& bytes);

// What an edit control holds, as record bytes: UTF-8 with CR LF line breaks, cut to at most
// maxBytes bytes without splitting a character; in Windows-1252 when only so all of it fits.
std::string fromEditText(const QString& text, std::size_t maxBytes);

// The text cut to at most maxBytes bytes of UTF-8, never inside a character.
QString cutToBytes(const QString& text, std::size_t maxBytes);
