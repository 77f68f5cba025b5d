// Build-time helper: draws one SVG picture into PNGs at the given pixel sizes, so that the
// program itself carries no SVG renderer and parses no SVG at start.
//   drawpictures <picture.svg> <output folder> <width>x<height>[.ppm]...
// Each size becomes <output folder>/<width>x<height>.png, or .ppm when asked: plain pixels,
// which the program paints without decoding them (only for a drawing with nothing see-through).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

int fail(const QString& message) {
    QTextStream(stderr) << "drawpictures: " << message << '\n';
    return 1;
}

bool seeThrough(const QImage& image) {
    for (int row = 0; row < image.height(); ++row)
        for (int column = 0; column < image.width(); ++column)
            if (qAlpha(image.pixel(column, row)) != 255) return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // Text in the pictures needs the fonts, and the fonts need an application.
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) return fail("usage: drawpictures <picture.svg> <folder> <W>x<H>[.ppm]...");
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid()) return fail(args[1] + ": not a picture");
    if (!QDir().mkpath(args[2])) return fail(args[2] + ": cannot make the folder");
    static const QRegularExpression sizePattern("^([1-9][0-9]*)x([1-9][0-9]*)(\\.ppm)?$");
    for (const QString& size : args.mid(3)) {
        const QRegularExpressionMatch match = sizePattern.match(size);
        if (!match.hasMatch()) return fail(size + ": not a size");
        QImage image(match.captured(1).toInt(), match.captured(2).toInt(),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter, image.rect());
        painter.end();
        const bool plain = match.hasCaptured(3);
        if (plain && seeThrough(image))
            return fail(size + ": the drawing has see-through parts, which plain pixels lose");
        const QString file = args[2] + '/' + (plain ? size : size + ".png");
        if (!image.save(file, plain ? "PPM" : "PNG")) return fail(file + ": cannot write");
    }
    return 0;
}
