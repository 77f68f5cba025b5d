#include "stickum/images.h"

#include "resources/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include <array>

namespace {

struct Picture {
    int id;
    const char* file; // in the program's resources
    int width, height;
};

// Program icon, note icons, the About logo, caption decorations and the splash picture.
constexpr std::array kPictures{
    Picture{kProgramIcon, ":/images/program-icon.svg", 32, 32},
    Picture{kNoteShownIcon, ":/images/note-armed.svg", 16, 16},
    Picture{kNoteHiddenIcon, ":/images/note-disarmed.svg", 16, 16},
    Picture{kAboutLogo, ":/images/about-logo.svg", 128, 64},
    Picture{kCaptionDecorationClip, ":/images/caption-clip.png", 64, 32},
    Picture{kCaptionDecorationQuill, ":/images/caption-quill.png", 64, 32},
    Picture{kSplashPicture, ":/images/splash.svg", 400, 300},
};

const Picture* find(int id) {
    for (const Picture& picture : kPictures)
        if (picture.id == id) return &picture;
    return nullptr;
}

bool isDrawing(const Picture& picture) {
    return QString::fromLatin1(picture.file).endsWith(QLatin1String(".svg"));
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
    if (!isDrawing(*picture)) {
        QImage image(QString::fromLatin1(picture->file));
        if (image.size() != size) image = image.scaled(size);
        return image.convertToFormat(QImage::Format_ARGB32);
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(id, painter, image.rect());
    return image;
}

void Images::paint(int id, QPainter& painter, const QRect& box) {
    const Picture* picture = find(id);
    if (!picture) return;
    if (!isDrawing(*picture)) {
        painter.drawImage(box, QImage(QString::fromLatin1(picture->file)));
        return;
    }
    QSvgRenderer renderer(QString::fromLatin1(picture->file));
    if (renderer.isValid()) renderer.render(&painter, box);
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
