#include "stickum/buttonpictures.h"

#include <QPainter>

#include <array>

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kShadowGrey = 0xFF808080;
constexpr QRgb kFaceGrey = 0xFFC0C0C0;
constexpr QRgb kLightGrey = 0xFFDFDFDF;

using Rows8 = std::array<const char*, 8>;

// Black strokes ('#') on light grey, row 1 at the top.
constexpr Rows8 kRollUp = {"........", ".#####..", "........", "...#....",
                           "..###...", ".#####..", "........", "........"};
constexpr Rows8 kRollDown = {"........", ".#####..", "..###...", "...#....",
                             "........", ".#####..", "........", "........"};
constexpr Rows8 kClose = {"........", ".##.##..", "..###...", "...#....",
                          "..###...", ".##.##..", "........", "........"};

QImage fromRows(const Rows8& rows) {
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            image.setPixel(x, y, rows[y][x] == '#' ? kBlack : kFaceGrey);
    }
    return image;
}

// A 32 x 32 caption-button picture on a face-grey ground; `draw` adds the black strokes.
template <typename Draw> QImage bigPicture(Draw draw) {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(kFaceGrey);
    QPainter painter(&image);
    draw(painter);
    return image;
}

QImage maximisePicture() {
    return bigPicture([](QPainter& p) {
        p.fillRect(5, 5, 22, 4, QColor(kBlack));  // the window's title
        p.fillRect(5, 9, 2, 18, QColor(kBlack));  // left
        p.fillRect(25, 9, 2, 18, QColor(kBlack)); // right
        p.fillRect(5, 25, 22, 2, QColor(kBlack)); // bottom
    });
}

QImage minimisePicture() {
    return bigPicture([](QPainter& p) { p.fillRect(7, 22, 16, 4, QColor(kBlack)); });
}

QImage restorePicture() {
    return bigPicture([](QPainter& p) {
        // The window behind: its title and the edges that show.
        p.fillRect(11, 4, 17, 3, QColor(kBlack));
        p.fillRect(26, 7, 2, 12, QColor(kBlack));
        p.fillRect(22, 17, 4, 2, QColor(kBlack));
        p.fillRect(11, 7, 2, 4, QColor(kBlack));
        // The window in front.
        p.fillRect(4, 11, 18, 3, QColor(kBlack));
        p.fillRect(4, 14, 2, 14, QColor(kBlack));
        p.fillRect(20, 14, 2, 14, QColor(kBlack));
        p.fillRect(4, 26, 18, 2, QColor(kBlack));
    });
}

} // namespace

QImage basePicture(int id) {
    switch (id) {
    case PictureRollUp:
        return fromRows(kRollUp);
    case PictureRollDown:
        return fromRows(kRollDown);
    case PictureClose:
        return fromRows(kClose);
    case PictureMaximise:
        return maximisePicture();
    case PictureMinimise:
        return minimisePicture();
    case PictureRestore:
        return restorePicture();
    default:
        return {};
    }
}

QImage buttonPicture(int id, int size, const ButtonGreys& greys) {
    QImage base = basePicture(id);
    if (base.isNull() || size < 1) return {};
    // Pixel pictures scale without blending (QImage's default) so that only their own colours
    // remain.
    QImage picture = base.size() == QSize(size, size) ? base : base.scaled(size, size);
    picture = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            switch (line[x]) {
            case kShadowGrey:
                line[x] = greys.shadow.rgb();
                break;
            case kFaceGrey:
                line[x] = greys.face.rgb();
                break;
            case kLightGrey:
                line[x] = greys.light.rgb();
                break;
            default:
                break;
            }
        }
    }
    return picture;
}
