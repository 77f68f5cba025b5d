#pragma once

#include "model/options.h"

#include <QFont>
#include <QFontMetrics>

#include <optional>

// A Stickum font whose line height is exactly the given number of pixels, if one of the
// installed faces has a size that gives it.
inline std::optional<LogFont> fontWithLineHeight(int pixels) {
    for (const char* face : {"DejaVu Sans", "Liberation Sans", "Liberation Serif"}) {
        for (int size = 6; size <= 2 * pixels; ++size) {
            QFont font(QString::fromLatin1(face));
            font.setPixelSize(size);
            if (QFontMetrics(font).height() != pixels) continue;
            LogFont logFont = LogFont::defaultFont();
            logFont.height = -size;
            logFont.setFace(face);
            return logFont;
        }
    }
    return std::nullopt;
}
