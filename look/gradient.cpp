#include "look/gradient.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cstdint>

namespace {

void fillColumns(QImage& image, int from, int to, ColorRef color) {
    if (from >= to) return;
    QPainter painter(&image);
    painter.fillRect(from, 0, to - from, image.height(), toQColor(color));
}

// One colour byte of the stripe at x: rises from c0 at x = 0 to c1 at x = e, fastest at first.
int gradeByte(int c0, int c1, std::int64_t x, std::int64_t e) {
    const std::int64_t e2 = e * e;
    const std::int64_t v = (c0 * (e2 - x * x) + c1 * (2 * x * e - x * x)) / e2;
    return static_cast<int>(v & 0xFF);
}

} // namespace

QImage makeGradient(int width, int height, ColorRef c0, ColorRef c1) {
    QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    if (image.isNull()) return image;
    const auto e = static_cast<int>(width - width * (1.0 / 6));
    const int step = std::max(e / 64, 1);
    int x = width * 5 / 6;
    fillColumns(image, x, width, c1);
    while (x > step) {
        x -= step;
        const ColorRef stripe =
            rgb(gradeByte(redOf(c0), redOf(c1), x, e), gradeByte(greenOf(c0), greenOf(c1), x, e),
                gradeByte(blueOf(c0), blueOf(c1), x, e));
        fillColumns(image, x, x + step, stripe);
    }
    fillColumns(image, 0, x, c0);
    return image;
}

QImage makeSolid(int width, int height, ColorRef color) {
    QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    if (!image.isNull()) image.fill(toQColor(color));
    return image;
}

QImage makeGradient(int width, int height, qreal ratio, ColorRef c0, ColorRef c1) {
    QImage image = makeGradient(qCeil(width * ratio), qCeil(height * ratio), c0, c1);
    image.setDevicePixelRatio(ratio);
    return image;
}

QImage makeSolid(int width, int height, qreal ratio, ColorRef color) {
    QImage image = makeSolid(qCeil(width * ratio), qCeil(height * ratio), color);
    image.setDevicePixelRatio(ratio);
    return image;
}

int lightness(ColorRef color) {
    const int r = redOf(color);
    const int g = greenOf(color);
    const int b = blueOf(color);
    const int high = std::max({r, g, b});
    const int low = std::min({r, g, b});
    return ((high + low) * 240 + 255) / 510;
}

ColorRef captionTextColor(ColorRef systemCaptionText) {
    return lightness(systemCaptionText) >= 90 ? systemCaptionText : rgb(255, 255, 255);
}
