#pragma once

#include "model/date.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Reads the data file's primitive encodings from bytes in memory. Once a read runs past the end
// or meets something unreadable, the reader fails and every later read answers zero or empty;
// it never reads outside its bytes.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes, std::size_t offset = 0)
        : bytes_(bytes), pos_(offset) {}

    bool good() const { return !failed_; }
    std::size_t position() const { return pos_; }
    // What went wrong first: a failure, or something read but cut to fit.
    const std::string& problem() const { return problem_; }
    // The byte where that problem was found.
    std::size_t problemAt() const { return problemAt_; }
    bool damaged() const { return failed_ || !problem_.empty(); }

    std::int16_t i16();
    std::int32_t i32();
    bool flag();
    // The stored string, cut to maxBytes at a character boundary.
    std::string string(std::size_t maxBytes);
    Date date();
    std::array<std::uint8_t, 60> font();

    // Stops reading: something unreadable found at the byte `at` (where the reader is, when
    // none).
    void fail(const std::string& why, std::size_t at = SIZE_MAX);
    // Something read but cut to fit, found at the byte `at` (where the reader is, when none).
    void noteDamage(const std::string& why, std::size_t at = SIZE_MAX);

private:
    bool take(std::size_t n, const char* what);
    int peek() const { return pos_ < bytes_.size() ? bytes_[pos_] : -1; }
    void skipSeparators();
    std::string readLetters(std::size_t max);
    bool readNumber(int& value, int maxDigits);

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_;
    bool failed_ = false;
    std::string problem_;
    std::size_t problemAt_ = 0;
};

// Writes the data file's primitive encodings into memory.
class ByteWriter {
public:
    void i16(std::int16_t value);
    void i32(std::int32_t value);
    void flag(bool value);
    void string(const std::string& bytes);
    // "January 5, 1998"; the year always has four digits, and a record without a date is written
    // with day 0 as "January 0, 0000", which reads back as no date.
    void date(Date value);
    void font(const std::array<std::uint8_t, 60>& record);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    void raw(const void* data, std::size_t size);
    std::vector<std::uint8_t> bytes_;
};
