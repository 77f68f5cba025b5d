#include "look/images.h"

#include "resources/pictures.h"

#include <QDir>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <QResource>

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

namespace {

struct Picture {
    int id;
    // In the program's resources: a PNG kept pixel for pixel, or the folder of a drawing's
    // renderings, one per size named <width>x<height>.png, or .ppm for plain pixels.
    const char* file;
    int width, height;
    bool drawing;
};

// Program icon, note icons, the About logo, caption decorations and the splash picture.
constexpr std::array kPictures{
    Picture{kProgramIcon, ":/drawn/program-icon", 32, 32, true},
    Picture{kNoteShownIcon, ":/drawn/note-armed", 16, 16, true},
    Picture{kNoteHiddenIcon, ":/drawn/note-disarmed", 16, 16, true},
    Picture{kAboutLogo, ":/drawn/about-logo", 128, 64, true},
    Picture{kCaptionDecorationClip, ":/images/caption-clip.png", 64, 32, false},
    Picture{kCaptionDecorationQuill, ":/images/caption-quill.png", 64, 32, false},
    Picture{kSplashPicture, ":/drawn/splash", 400, 300, true},
};

const Picture* find(int id) {
    for (const Picture& picture : kPictures)
        if (picture.id == id) return &picture;
    return nullptr;
}

// The most rows Qt draws in the painting thread alone.
constexpr int kBandRows = 64;

// All our pictures are PNGs or PPMs: read as their name says, without loading every image
// format plugin (one pulls in an SVG renderer) to ask whether it knows the file.
QImage readPicture(const QString& file) {
    QImageReader reader(file, file.endsWith(QLatin1String(".ppm")) ? "ppm" : "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// An opaque drawing may be kept as plain pixels (a PPM) at the size it is mostly shown at: the
// splash, while the program starts. Those are used as they are, with nothing to decode or
// convert. A null image when `file` is no such rendering of `pixels`.
QImage plainPixels(const QString& file, QSize pixels) {
    if (!file.endsWith(QLatin1String(".ppm"))) return {};
    auto bytes = std::make_unique<QByteArray>(QResource(file).uncompressedData());
    const qsizetype size = qsizetype(pixels.width()) * pixels.height() * 3;
    if (bytes->size() < size || !bytes->startsWith("P6")) return {};
    // The pixels are the file's last bytes, after its header; the image keeps them.
    auto* first = reinterpret_cast<uchar*>(bytes->data() + (bytes->size() - size));
    return QImage(
        first, pixels.width(), pixels.height(), pixels.width() * 3, QImage::Format_RGB888,
        [](void* kept) { delete static_cast<QByteArray*>(kept); }, bytes.release());
}

// "48x48.png" is 48 x 48; anything else is no size.
QSize sizeOfRendering(const QString& name) {
    const QStringList sides = name.chopped(4).split(QLatin1Char('x'));
    if (sides.size() != 2) return {};
    return {sides[0].toInt(), sides[1].toInt()};
}

// The rendering that fits `pixels` best: its own size, else the smallest that covers it (the
// drawing loses least when made smaller), else the largest there is.
QString bestRendering(const Picture& picture, QSize pixels) {
    const QDir folder(QString::fromLatin1(picture.file));
    QString best;
    std::pair<bool, qint64> bestRank; // the smaller the better
    for (const QString& name :
         folder.entryList({QStringLiteral("*.png"), QStringLiteral("*.ppm")}, QDir::Files)) {
        const QSize size = sizeOfRendering(name);
        if (size.isEmpty()) continue;
        const bool covers = size.expandedTo(pixels) == size;
        const qint64 area = qint64(size.width()) * size.height();
        const std::pair rank{!covers, covers ? area : -area};
        if (best.isEmpty() || rank < bestRank) {
            best = folder.filePath(name);
            bestRank = rank;
        }
    }
    return best;
}

// The drawing at exactly `pixels` from its best rendering, scaled smoothly when no rendering
// has that size; in whatever format the rendering has.
QImage drawing(const Picture& picture, QSize pixels) {
    const QString rendering = bestRendering(picture, pixels);
    if (QImage plain = plainPixels(rendering, pixels); !plain.isNull()) return plain;
    QImage image = readPicture(rendering);
    if (!image.isNull() && image.size() != pixels)
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

bool Images::has(int id) {
    return find(id) != nullptr;
}

QSize Images::naturalSize(int id) {
    const Picture* picture = find(id);
    return picture ? QSize(picture->width, picture->height) : QSize();
}

QImage Images::image(int id, QSize size) {
    const Picture* picture = find(id);
    if (!picture) return {};
    if (size.isEmpty()) size = QSize(picture->width, picture->height);
    if (picture->drawing)
        return drawing(*picture, size).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage image = readPicture(QString::fromLatin1(picture->file));
    if (image.size() != size) image = image.scaled(size);
    return image.convertToFormat(QImage::Format_ARGB32);
}

void Images::paint(int id, QPainter& painter, const QRect& box) {
    const Picture* picture = find(id);
    if (!picture) return;
    if (!picture->drawing) {
        painter.drawImage(box, readPicture(QString::fromLatin1(picture->file)));
        return;
    }
    // On a screen of double density the box has twice its pixels.
    const qreal scale = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const QSize pixels = (QSizeF(box.size()) * scale).toSize();
    if (pixels.isEmpty()) return;
    const QImage image = drawing(*picture, pixels);
    // In bands: Qt hands a taller drawing to helper threads of its own, which then stay
    // for half a minute.
    for (int top = 0; top < image.height(); top += kBandRows) {
        const int rows = std::min(kBandRows, image.height() - top);
        painter.drawImage(QRectF(box.x(), box.y() + top / scale, box.width(), rows / scale), image,
                          QRectF(0, top, image.width(), rows));
    }
}

QPixmap Images::pixmap(int id, QSize size) {
    return QPixmap::fromImage(image(id, size));
}

QIcon Images::icon(int id) {
    const QSize natural = naturalSize(id);
    if (natural.isEmpty()) return {};
    QIcon icon;
    for (int side : {16, 32})
        icon.addPixmap(pixmap(id, QSize(side, side)));
    if (natural != QSize(16, 16) && natural != QSize(32, 32)) icon.addPixmap(pixmap(id));
    return icon;
}
