// The drawings come ready drawn: at every size the program asks for they look as their SVG
// originals rendered here, also on a screen of double density; other sizes are scaled.
#include "look/images.h"
#include "resources/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <vector>

namespace {

QImage rendered(const char* svg, QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(QStringLiteral(QB_PICTURES_DIR "/") + QLatin1String(svg)).render(&painter);
    return image;
}

// The largest difference in any channel of any pixel.
int largestDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int largest = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            for (const int shift : {0, 8, 16, 24})
                largest = std::max(largest,
                                   std::abs(int((p >> shift) & 0xff) - int((q >> shift) & 0xff)));
        }
    return largest;
}

bool blank(const QImage& image) {
    for (int row = 0; row < image.height(); ++row)
        for (int column = 0; column < image.width(); ++column)
            if (qAlpha(image.pixel(column, row)) != 0) return false;
    return true;
}

struct Drawing {
    const char* name;
    int id;
    const char* svg;
    std::vector<QSize> asked; // the sizes the program asks for
};

void PrintTo(const Drawing& drawing, std::ostream* out) {
    *out << drawing.svg;
}

const std::vector<QSize> kIconSizes{{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
const Drawing kDrawings[] = {
    {"ProgramIcon", kProgramIcon, "program-icon.svg", {{16, 16}, {32, 32}}},
    {"NoteShownIcon", kNoteShownIcon, "note-armed.svg", kIconSizes},
    {"NoteHiddenIcon", kNoteHiddenIcon, "note-disarmed.svg", kIconSizes},
    {"AboutLogo", kAboutLogo, "about-logo.svg", {{128, 64}}},
    {"SplashPicture", kSplashPicture, "splash.svg", {{400, 300}}},
};

class Drawings : public ::testing::TestWithParam<Drawing> {};

TEST_P(Drawings, LookAsTheirOriginalsAtTheSizesAskedForAndAtTwiceThose) {
    const Drawing& drawing = GetParam();
    for (const QSize size : drawing.asked) {
        SCOPED_TRACE(size.width());
        const QImage image = Images::image(drawing.id, size);
        ASSERT_EQ(image.size(), size);
        EXPECT_FALSE(blank(image));
        EXPECT_LE(largestDifference(image, rendered(drawing.svg, size)), 2);

        // Painted on an ordinary device, and on one of twice the density: the drawing at as
        // many pixels as the device has.
        for (const int density : {1, 2}) {
            QImage painted(size * density, QImage::Format_ARGB32_Premultiplied);
            painted.setDevicePixelRatio(density);
            painted.fill(Qt::transparent);
            QPainter painter(&painted);
            Images::paint(drawing.id, painter, QRect(QPoint(0, 0), size));
            painter.end();
            EXPECT_LE(largestDifference(painted, rendered(drawing.svg, size * density)), 2);
        }
    }
    // A size nobody drew it at (an icon list's row, a calendar cell) is scaled to fit.
    const QImage odd = Images::image(drawing.id, QSize(17, 19));
    EXPECT_EQ(odd.size(), QSize(17, 19));
    EXPECT_FALSE(blank(odd));
}

INSTANTIATE_TEST_SUITE_P(, Drawings, ::testing::ValuesIn(kDrawings),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
