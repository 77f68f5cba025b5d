#include "model/text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// Length of the UTF-8 sequence that starts at bytes[i], or 0 when none valid starts there; its
// character goes to `decoded` when asked for.
std::size_t utf8SequenceLength(std::string_view bytes, std::size_t i, char32_t* decoded = nullptr) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    char32_t minimum = 0;
    char32_t code = 0;
    if (lead < 0x80) {
        if (decoded) *decoded = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    if (decoded) *decoded = code;
    return length;
}

// Windows-1252 code points of the bytes 0x80..0x9F; 0 marks the five unassigned bytes, which
// are shown as the C1 control of the same value.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = utf8SequenceLength(bytes, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string displayUtf8(std::string_view bytes) {
    if (isValidUtf8(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        char32_t code = byte;
        if (byte >= 0x80 && byte <= 0x9F && kCp1252High[byte - 0x80] != 0)
            code = kCp1252High[byte - 0x80];
        appendUtf8(out, code);
    }
    return out;
}

std::optional<std::string> toWindows1252(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t code = 0;
        const std::size_t length = utf8SequenceLength(utf8, i, &code);
        if (length == 0) return std::nullopt;
        i += length;
        if (code <= 0xFF && (code < 0x80 || code > 0x9F || kCp1252High[code - 0x80] == 0)) {
            out += static_cast<char>(code);
            continue;
        }
        const auto* special = std::find(kCp1252High.begin(), kCp1252High.end(), code);
        if (special == kCp1252High.end()) return std::nullopt;
        out += static_cast<char>(0x80 + (special - kCp1252High.begin()));
    }
    if (isValidUtf8(out)) return std::nullopt;
    return out;
}

std::string cutToBytes(std::string_view bytes, std::size_t maxBytes) {
    if (bytes.size() <= maxBytes) return std::string(bytes);
    if (!isValidUtf8(bytes)) return std::string(bytes.substr(0, maxBytes));
    std::size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
        --end;
    return std::string(bytes.substr(0, end));
}
