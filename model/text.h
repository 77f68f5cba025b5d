#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Texts are byte strings. Quillbox stores UTF-8; files written by the earliest versions hold
// Windows-1252 bytes, which are shown as such and written back untouched (or, edited, in that
// encoding when only so they still fit their field).

bool isValidUtf8(std::string_view bytes);

// The bytes as UTF-8 for display: valid UTF-8 passes through, anything else is read as
// Windows-1252.
std::string displayUtf8(std::string_view bytes);

// At most maxBytes bytes of the text, cut at a character boundary: a UTF-8 text never loses
// half a character; a single-byte text is cut at any byte.
std::string cutToBytes(std::string_view bytes, std::size_t maxBytes);

// A UTF-8 text in Windows-1252, the encoding of the earliest versions' texts: for an old text
// that fits its field only so. None when a character has no place in it, or when the bytes
// would read back as UTF-8.
std::optional<std::string> toWindows1252(std::string_view utf8);
