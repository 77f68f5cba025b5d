#include "xdesktop.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

namespace xdesk {

namespace {

const QString kXdotool = QStringLiteral("xdotool");

QString hexId(unsigned long id) {
    return QStringLiteral("0x") + QString::number(id, 16);
}

// "  Width: 12" lines of xwininfo's output.
int infoValue(const QString& out, const char* key) {
    const QRegularExpression line(QStringLiteral("^\\s*%1:\\s+(-?\\d+)$").arg(QLatin1String(key)),
                                  QRegularExpression::MultilineOption);
    const auto match = line.match(out);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

std::vector<unsigned long> search(const QStringList& args) {
    std::vector<unsigned long> ids;
    const QString found = output(kXdotool, QStringList{QStringLiteral("search")} + args);
    for (const QString& line : found.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        ids.push_back(line.trimmed().toULong());
    return ids;
}

std::optional<Window> describe(unsigned long id) {
    Window window;
    window.id = id;
    // xwininfo gives the client area where it really is; xdotool adds the window manager's
    // decoration to the position of decorated windows.
    const CommandResult info =
        runCommand(QStringLiteral("xwininfo"), {QStringLiteral("-id"), hexId(id)});
    if (info.status != 0) return std::nullopt;
    const QString geometry = QString::fromUtf8(info.out);
    window.geometry = QRect(infoValue(geometry, "Absolute upper-left X"),
                            infoValue(geometry, "Absolute upper-left Y"),
                            infoValue(geometry, "Width"), infoValue(geometry, "Height"));
    const CommandResult props =
        runCommand(QStringLiteral("xprop"),
                   {QStringLiteral("-id"), hexId(id), QStringLiteral("WM_NAME"),
                    QStringLiteral("_NET_WM_WINDOW_TYPE"), QStringLiteral("WM_TRANSIENT_FOR")});
    if (props.status != 0) return std::nullopt;
    for (const QString& line : QString::fromUtf8(props.out).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("WM_NAME"))) {
            const int quote = line.indexOf(QLatin1Char('"'));
            if (quote >= 0) window.name = line.mid(quote + 1).chopped(1);
        } else if (line.startsWith(QLatin1String("_NET_WM_WINDOW_TYPE"))) {
            const QString list = line.section(QLatin1Char('='), 1).trimmed();
            for (const QString& type : list.split(QLatin1Char(',')))
                window.types << type.trimmed();
        } else if (line.startsWith(QLatin1String("WM_TRANSIENT_FOR")) &&
                   line.contains(QLatin1String("#"))) {
            window.transientFor = line.section(QLatin1Char('#'), 1).trimmed().toULong(nullptr, 16);
        }
    }
    return window;
}

QString shotsDirectory() {
    const QString dir = QString::fromUtf8(QB_SHOTS_DIR);
    QDir().mkpath(dir);
    return dir;
}

} // namespace

std::vector<Window> programWindows() {
    std::vector<Window> windows;
    for (unsigned long id : search({QStringLiteral("--onlyvisible"), QStringLiteral("--class"),
                                    QStringLiteral("^quillbox$")})) {
        if (auto window = describe(id)) windows.push_back(*window);
    }
    return windows;
}

std::vector<Window> programWindowsNamed(const QString& name) {
    std::vector<Window> named;
    for (const Window& window : programWindows())
        if (window.name == name) named.push_back(window);
    return named;
}

std::optional<QRect> trayPanel() {
    for (unsigned long id : search({QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                    QStringLiteral("^panel$")})) {
        if (auto panel = describe(id)) return panel->geometry;
    }
    return std::nullopt;
}

std::optional<Window> trayIcon() {
    const auto panel = trayPanel();
    if (!panel) return std::nullopt;
    for (const Window& window : programWindows())
        if (panel->contains(window.geometry)) return window;
    return std::nullopt;
}

std::optional<Window> mainWindow() {
    const auto panel = trayPanel();
    for (const Window& window : programWindowsNamed(QStringLiteral("Quillbox"))) {
        if (window.isDialog() || window.isTooltip()) continue;
        if (window.geometry.size() == QSize(400, 300)) continue;
        if (panel && panel->contains(window.geometry)) continue;
        return window;
    }
    return std::nullopt;
}

std::optional<Window> dialogNamed(const QString& prefix) {
    for (const Window& window : programWindows())
        if (window.isDialog() && window.name.startsWith(prefix)) return window;
    return std::nullopt;
}

std::vector<Window> stickums() {
    std::vector<Window> shown = programWindowsNamed(QStringLiteral("Stickum"));
    std::sort(shown.begin(), shown.end(), [](const Window& a, const Window& b) {
        const QPoint p = a.geometry.topLeft();
        const QPoint q = b.geometry.topLeft();
        return p.x() != q.x() ? p.x() < q.x() : p.y() < q.y();
    });
    return shown;
}

std::optional<Window> stickumAt(QPoint topLeft) {
    for (const Window& window : stickums())
        if (window.geometry.topLeft() == topLeft) return window;
    return std::nullopt;
}

void click(QPoint screen, int button) {
    // (--sync would wait forever when the pointer is there already.)
    runCommand(kXdotool,
               {QStringLiteral("mousemove"), QString::number(screen.x()),
                QString::number(screen.y()), QStringLiteral("sleep"), QStringLiteral("0.05"),
                QStringLiteral("click"), QString::number(button)});
}

void drag(QPoint from, QPoint to) {
    QStringList args{QStringLiteral("mousemove"), QString::number(from.x()),
                     QString::number(from.y()),   QStringLiteral("sleep"),
                     QStringLiteral("0.05"),      QStringLiteral("mousedown"),
                     QStringLiteral("1")};
    // A hand moves in steps; the window follows each of them.
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i) {
        const QPoint at = from + (to - from) * i / kSteps;
        args << QStringLiteral("sleep") << QStringLiteral("0.03") << QStringLiteral("mousemove")
             << QString::number(at.x()) << QString::number(at.y());
    }
    args << QStringLiteral("sleep") << QStringLiteral("0.05") << QStringLiteral("mouseup")
         << QStringLiteral("1");
    runCommand(kXdotool, args);
}

void type(const QString& text) {
    runCommand(kXdotool,
               {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("25"), text});
}

void key(const QString& keys) {
    runCommand(kXdotool,
               QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")} +
                   keys.split(u' ', Qt::SkipEmptyParts));
}

void activate(unsigned long window) {
    runCommand(kXdotool,
               {QStringLiteral("windowactivate"), QStringLiteral("--sync"), hexId(window)});
}

unsigned long activeWindow() {
    return output(kXdotool, {QStringLiteral("getactivewindow")}).toULong();
}

void hover(QPoint screen) {
    runCommand(kXdotool, {QStringLiteral("mousemove"), QString::number(screen.x() - 3),
                          QString::number(screen.y() - 3), QStringLiteral("sleep"),
                          QStringLiteral("0.05"), QStringLiteral("mousemove"),
                          QString::number(screen.x()), QString::number(screen.y())});
}

QImage screenshot(const QString& name) {
    QTemporaryDir scratch;
    const QString path = name.isEmpty() ? scratch.filePath(QStringLiteral("screen.png"))
                                        : QDir(shotsDirectory()).filePath(name + ".png");
    runCommand(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

int countPixels(const QImage& image, const QRect& area, QRgb color, int tolerance) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - qRed(color)) <= tolerance &&
                std::abs(qGreen(p) - qGreen(color)) <= tolerance &&
                std::abs(qBlue(p) - qBlue(color)) <= tolerance)
                ++count;
        }
    }
    return count;
}

int countRed(const QImage& image, const QRect& area) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) > 170 && qGreen(p) < 90 && qBlue(p) < 90) ++count;
        }
    }
    return count;
}

QString primarySelection() {
    QCoreApplication::processEvents();
    return QGuiApplication::clipboard()->text(QClipboard::Selection);
}

} // namespace xdesk
