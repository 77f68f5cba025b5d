#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// A colour as stored: red in the lowest byte, then green, then blue.
using ColorRef = std::uint32_t;

constexpr ColorRef rgb(int r, int g, int b) {
    return static_cast<ColorRef>(r & 0xFF) | static_cast<ColorRef>(g & 0xFF) << 8 |
           static_cast<ColorRef>(b & 0xFF) << 16;
}
constexpr int redOf(ColorRef c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(ColorRef c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(ColorRef c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// The stored description of the Stickum font: a 60-byte logical-font record, kept byte for
// byte so that a file read and saved again keeps it exactly.
struct LogFont {
    static constexpr std::size_t kSize = 60;
    static constexpr std::size_t kFaceSize = 32;

    std::int32_t height = 0; // negative: character height in pixels
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::array<char, kFaceSize> faceName{}; // NUL-terminated; bytes after the NUL are kept

    // Normal weight, the default character set, every other value 0, no face.
    static LogFont defaultFont();
    static LogFont fromBytes(const std::array<std::uint8_t, kSize>& bytes);
    std::array<std::uint8_t, kSize> toBytes() const;

    std::string face() const;
    void setFace(const std::string& face);

    bool operator==(const LogFont&) const = default;
};

enum DimensionMode : int { DimensionFixed = 0, DimensionMinimum = 1, DimensionModifiable = 2 };

inline constexpr std::size_t kWaveFileBytes = 255;

// What the desktop supplies for the initial option values.
struct PlatformDefaults {
    ColorRef activeCaptionColor = rgb(0, 84, 227);
    std::string waveFile;
};

// How many lines high a Stickum of fixed size may be.
inline constexpr int kMinHeightInLines = 1;
inline constexpr int kMaxHeightInLines = 50;

// The program-wide options: the look of every Stickum and the defaults of new lendings and
// reminders.
struct Options {
    ColorRef stickumColor = rgb(255, 255, 0);
    ColorRef textColor = 0;
    std::optional<LogFont> stickumFont;
    ColorRef titleBarColor = 0;
    bool defaultCaptionColor = true;
    int dimensionMode = DimensionFixed;
    bool scrollBar = false;
    std::int16_t heightInLines = 5;
    std::int16_t reminderDaysBefore = 2;
    std::int16_t lendingDaysAfter = 30;
    bool defaultSound = false;
    std::string waveFile;

    static Options initial(const PlatformDefaults& platform);
    bool operator==(const Options&) const = default;
};
