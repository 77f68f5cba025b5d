#pragma once

#include "model/date.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The field streams a record writes itself to and reads itself from. The data file supplies
// the encoding; records only say which fields they have, in which order.
class FieldWriter {
public:
    virtual ~FieldWriter() = default;
    virtual void i16(std::int16_t value) = 0;
    virtual void flag(bool value) = 0;
    virtual void string(const std::string& bytes) = 0;
    virtual void date(Date value) = 0;
};

class FieldReader {
public:
    virtual ~FieldReader() = default;
    virtual std::int16_t i16() = 0;
    virtual bool flag() = 0;
    // At most maxBytes bytes; a longer stored string is cut (and the reader notes the damage).
    virtual std::string string(std::size_t maxBytes) = 0;
    virtual Date date() = 0;
};
