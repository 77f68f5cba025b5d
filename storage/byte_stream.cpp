#include "storage/byte_stream.h"

#include "model/text.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <strings.h>

namespace {

bool isAlnum(int c) {
    return c >= 0 && std::isalnum(c);
}
bool isDigit(int c) {
    return c >= '0' && c <= '9';
}

// The English month names dates are written with: part of the file format, whatever language
// the program shows its texts in.
constexpr std::array<const char*, 12> kFileMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

const char* fileMonthName(int month) {
    return kFileMonthNames[static_cast<std::size_t>(month - 1)];
}

int monthFromName(const std::string& name) {
    for (int m = 1; m <= 12; ++m)
        if (strcasecmp(name.c_str(), fileMonthName(m)) == 0) return m;
    return 0;
}

// A year has at most four digits: a digit right after the year belongs to the next field.
constexpr int kYearDigits = 4;
// Month names are read as at most ten letters.
constexpr std::size_t kMonthLetters = 10;

} // namespace

void ByteReader::fail(const std::string& why, std::size_t at) {
    if (!failed_ && problem_.empty()) {
        problem_ = why;
        problemAt_ = at == SIZE_MAX ? pos_ : at;
    }
    failed_ = true;
}

void ByteReader::noteDamage(const std::string& why, std::size_t at) {
    if (!problem_.empty()) return;
    problem_ = why;
    problemAt_ = at == SIZE_MAX ? pos_ : at;
}

bool ByteReader::take(std::size_t n, const char* what) {
    if (failed_) return false;
    if (bytes_.size() - pos_ < n) {
        fail(std::string("the file ends inside ") + what);
        pos_ = bytes_.size();
        return false;
    }
    return true;
}

std::int16_t ByteReader::i16() {
    if (!take(2, "a number")) return 0;
    const auto value = static_cast<std::uint16_t>(bytes_[pos_] | bytes_[pos_ + 1] << 8);
    pos_ += 2;
    return static_cast<std::int16_t>(value);
}

std::int32_t ByteReader::i32() {
    if (!take(4, "a number")) return 0;
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(bytes_[pos_ + i]) << (8 * i);
    pos_ += 4;
    return static_cast<std::int32_t>(value);
}

bool ByteReader::flag() {
    if (!take(1, "a flag")) return false;
    return bytes_[pos_++] == '1';
}

std::string ByteReader::string(std::size_t maxBytes) {
    const std::int16_t length = i16();
    if (length <= 0) return {};
    const auto size = static_cast<std::size_t>(length);
    if (!take(size, "a text")) return {};
    const std::string_view stored(reinterpret_cast<const char*>(bytes_.data() + pos_), size);
    if (size > maxBytes) noteDamage("a text is longer than its field");
    pos_ += size;
    return cutToBytes(stored, maxBytes);
}

std::array<std::uint8_t, 60> ByteReader::font() {
    std::array<std::uint8_t, 60> record{};
    if (!take(record.size(), "the font")) return record;
    std::memcpy(record.data(), bytes_.data() + pos_, record.size());
    pos_ += record.size();
    return record;
}

void ByteReader::skipSeparators() {
    while (pos_ < bytes_.size() && !isAlnum(peek()))
        ++pos_;
}

std::string ByteReader::readLetters(std::size_t max) {
    std::string letters;
    while (letters.size() < max && pos_ < bytes_.size() && std::isalpha(peek()))
        letters += static_cast<char>(bytes_[pos_++]);
    return letters;
}

bool ByteReader::readNumber(int& value, int maxDigits) {
    int digits = 0;
    value = 0;
    while (digits < maxDigits && isDigit(peek())) {
        value = value * 10 + (bytes_[pos_++] - '0');
        ++digits;
    }
    return digits > 0;
}

// Reads "January 5, 1998", and also "1 5, 1998" (numeric month first) and "5 January 1998"
// (day first). "January 0, 0000", as the writer puts it, is the stored form of "no date"; any
// other date that names no real day is damage.
Date ByteReader::date() {
    if (failed_) return kNoDate;
    int day = 0;
    int month = 0;
    int year = 0;
    skipSeparators();
    const std::size_t start = pos_;
    const bool named = std::isalpha(peek());
    bool ok = true;
    if (named) {
        month = monthFromName(readLetters(kMonthLetters));
        skipSeparators();
        ok = readNumber(day, 2);
    } else {
        int first = 0;
        ok = readNumber(first, 2);
        skipSeparators();
        if (std::isalpha(peek())) {
            day = first;
            month = monthFromName(readLetters(kMonthLetters));
        } else {
            month = first;
            ok = ok && readNumber(day, 2);
        }
    }
    skipSeparators();
    ok = ok && month != 0 && readNumber(year, kYearDigits);
    if (!ok) {
        fail("a date cannot be read");
        return kNoDate;
    }
    if (named && month == 1 && day == 0 && year == 0) return kNoDate;
    const Date date = makeDate(day, month, year);
    if (date == kNoDate) fail("a date names no real day", start);
    return date;
}

void ByteWriter::raw(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
}

void ByteWriter::i16(std::int16_t value) {
    const auto u = static_cast<std::uint16_t>(value);
    bytes_.push_back(static_cast<std::uint8_t>(u & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(u >> 8));
}

void ByteWriter::i32(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes_.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

void ByteWriter::flag(bool value) {
    bytes_.push_back(value ? '1' : '0');
}

void ByteWriter::string(const std::string& bytes) {
    const std::size_t length = bytes.size() > 0x7FFF ? 0x7FFF : bytes.size();
    i16(static_cast<std::int16_t>(length));
    raw(bytes.data(), length);
}

void ByteWriter::date(Date value) {
    const DayMonthYear d = splitDate(value);
    char text[48];
    if (value == kNoDate)
        std::snprintf(text, sizeof text, "%s 0, 0000", fileMonthName(1));
    else
        std::snprintf(text, sizeof text, "%s %d, %04d", fileMonthName(d.month), d.day, d.year);
    raw(text, std::strlen(text));
}

void ByteWriter::font(const std::array<std::uint8_t, 60>& record) {
    raw(record.data(), record.size());
}
