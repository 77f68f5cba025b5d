#pragma once

// Builds data files byte by byte, independently of Quillbox's own writer.

#include <cstdint>
#include <string>
#include <vector>

class FileBytes {
public:
    FileBytes& i16(int value) {
        bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
        return *this;
    }
    FileBytes& i32(std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        return *this;
    }
    FileBytes& flag(bool value) {
        bytes.push_back(value ? '1' : '0');
        return *this;
    }
    FileBytes& raw(const std::string& text) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
    FileBytes& string(const std::string& text) {
        return i16(static_cast<int>(text.size())).raw(text);
    }
    FileBytes& font(const std::vector<std::uint8_t>& record) {
        bytes.insert(bytes.end(), record.begin(), record.end());
        return *this;
    }

    // The font record of "no font chosen": weight 400, character set 1, all else 0.
    static std::vector<std::uint8_t> defaultFont() {
        std::vector<std::uint8_t> record(60, 0);
        record[16] = 0x90; // 400
        record[17] = 0x01;
        record[23] = 1;
        return record;
    }

    // Options items 1 to 8, as every version has them.
    FileBytes& optionsUpToScrollBar(const std::vector<std::uint8_t>& fontRecord) {
        return i32(0x0000FFFF)
            .i32(0)
            .font(fontRecord)
            .i16(2)
            .i16(30)
            .flag(false)
            .i16(0)
            .flag(false);
    }

    std::vector<std::uint8_t> bytes;
};
