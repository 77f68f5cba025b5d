#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// The one table from the program's picture resource ids to the pictures themselves. Drawings
// come ready drawn at the sizes the program uses; other sizes are scaled smoothly from the
// nearest larger one. An empty size means the picture's own size.
class Images {
public:
    // True when the table knows the id.
    static bool has(int id);
    // The picture's own size, or an empty size for an unknown id.
    static QSize naturalSize(int id);
    // A null image for an unknown id.
    static QImage image(int id, QSize size = {});
    static QPixmap pixmap(int id, QSize size = {});
    // Paints the picture into the box, as sharp as the painter's device has pixels.
    static void paint(int id, QPainter& painter, const QRect& box);
    // The picture as an icon with 16 and 32 pixel images (and its own size when different).
    static QIcon icon(int id);
};
