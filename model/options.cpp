#include "model/options.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::int32_t kNormalWeight = 400;
constexpr std::uint8_t kDefaultCharSet = 1;

void putI32(std::uint8_t* at, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t getI32(const std::uint8_t* at) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

} // namespace

LogFont LogFont::defaultFont() {
    LogFont font;
    font.weight = kNormalWeight;
    font.charSet = kDefaultCharSet;
    return font;
}

LogFont LogFont::fromBytes(const std::array<std::uint8_t, kSize>& bytes) {
    LogFont font;
    const std::uint8_t* p = bytes.data();
    font.height = getI32(p);
    font.width = getI32(p + 4);
    font.escapement = getI32(p + 8);
    font.orientation = getI32(p + 12);
    font.weight = getI32(p + 16);
    font.italic = p[20];
    font.underline = p[21];
    font.strikeOut = p[22];
    font.charSet = p[23];
    font.outPrecision = p[24];
    font.clipPrecision = p[25];
    font.quality = p[26];
    font.pitchAndFamily = p[27];
    std::memcpy(font.faceName.data(), p + 28, kFaceSize);
    return font;
}

std::array<std::uint8_t, LogFont::kSize> LogFont::toBytes() const {
    std::array<std::uint8_t, kSize> bytes{};
    std::uint8_t* p = bytes.data();
    putI32(p, height);
    putI32(p + 4, width);
    putI32(p + 8, escapement);
    putI32(p + 12, orientation);
    putI32(p + 16, weight);
    p[20] = italic;
    p[21] = underline;
    p[22] = strikeOut;
    p[23] = charSet;
    p[24] = outPrecision;
    p[25] = clipPrecision;
    p[26] = quality;
    p[27] = pitchAndFamily;
    std::memcpy(p + 28, faceName.data(), kFaceSize);
    return bytes;
}

std::string LogFont::face() const {
    const auto end = std::find(faceName.begin(), faceName.end(), '\0');
    return std::string(faceName.begin(), end);
}

void LogFont::setFace(const std::string& face) {
    faceName.fill('\0');
    std::copy_n(face.begin(), std::min(face.size(), kFaceSize - 1), faceName.begin());
}

Options Options::initial(const PlatformDefaults& platform) {
    Options options;
    options.titleBarColor = platform.activeCaptionColor;
    options.waveFile = platform.waveFile.substr(0, kWaveFileBytes);
    return options;
}
