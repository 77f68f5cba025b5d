#pragma once

#include "model/options.h"

#include <QColor>
#include <QImage>

// The caption pictures of the Stickum title bar, the main window and the options sample.

// A W x H picture graded in full-height stripes from c0 at the left edge to c1 at five sixths
// of the width; the last sixth is flat c1. Stripes are W*5/6/64 pixels wide (at least 1).
QImage makeGradient(int width, int height, ColorRef c0, ColorRef c1);

// A W x H picture filled with the colour.
QImage makeSolid(int width, int height, ColorRef color);

// The same pictures W x H in Qt's units, made in the pixels of a screen with the given pixel
// ratio (whole pixels, rounded up) and marked with it: a high-density screen shows them sharp.
QImage makeGradient(int width, int height, qreal ratio, ColorRef c0, ColorRef c1);
QImage makeSolid(int width, int height, qreal ratio, ColorRef color);

// Lightness on a 0..240 scale: ((max + min) * 240 + 255) / 510 of the red, green, blue bytes.
int lightness(ColorRef color);

// The caption text colour for a caption-text colour: itself when it is light enough
// (lightness 90 or more), else white.
ColorRef captionTextColor(ColorRef systemCaptionText);

inline QColor toQColor(ColorRef c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}
inline ColorRef toColorRef(const QColor& c) {
    return rgb(c.red(), c.green(), c.blue());
}
