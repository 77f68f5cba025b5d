#include "look/stickumlook.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>

QFont fontFromLogFont(const LogFont& logFont) {
    QFont font = QGuiApplication::font();
    const std::string face = logFont.face();
    if (!face.empty()) font.setFamilies({QString::fromStdString(face)});
    if (logFont.height < 0) {
        font.setPixelSize(-logFont.height);
    } else if (logFont.height > 0) {
        // A cell height: the character height is what remains after the internal leading.
        font.setPixelSize(logFont.height);
        const int cell = QFontMetrics(font).height();
        if (cell > logFont.height) {
            font.setPixelSize(std::max(1, logFont.height * logFont.height / cell));
        }
    }
    const int weight = logFont.weight <= 0 ? 400 : std::min(logFont.weight, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(logFont.italic != 0);
    font.setUnderline(logFont.underline != 0);
    font.setStrikeOut(logFont.strikeOut != 0);
    return font;
}

LogFont logFontFromFont(const QFont& font) {
    LogFont logFont = LogFont::defaultFont();
    // Whole characters only: a face cut inside a character would name no font.
    QString face = font.family();
    while (face.toUtf8().size() > static_cast<qsizetype>(LogFont::kFaceSize - 1)) {
        face.chop(1);
        if (!face.isEmpty() && face.back().isHighSurrogate()) face.chop(1);
    }
    logFont.setFace(face.toStdString());
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    logFont.height = -std::max(1, pixels);
    logFont.weight = font.weight();
    logFont.italic = font.italic() ? 1 : 0;
    logFont.underline = font.underline() ? 1 : 0;
    logFont.strikeOut = font.strikeOut() ? 1 : 0;
    return logFont;
}

QFont stickumFont(const Options& options) {
    return options.stickumFont ? fontFromLogFont(*options.stickumFont) : QGuiApplication::font();
}

QFont captionFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(std::max(1, pixelSize));
    font.setWeight(static_cast<QFont::Weight>(200));
    return font;
}
