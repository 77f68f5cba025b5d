#include "app/trayicon.h"

#include "look/images.h"
#include "look/l10n.h"
#include "model/catalogue.h"

#include <QCursor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QIconEngine>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>

#include <algorithm>
#include <array>
#include <map>
#include <utility>

namespace {

// The sizes of the hicolor icon theme that trays ask for, up to a tray on a screen of twice
// the density.
constexpr std::array kTraySides{16, 22, 24, 32, 48, 64};

// The tray's picture, drawn at the size the tray asks for when it asks: a start draws the one
// size the tray shows, not all of them. What is drawn is kept for the run, since the display
// switch changes the picture at every click.
class TrayPictureEngine : public QIconEngine {
public:
    explicit TrayPictureEngine(int pictureId) : pictureId_(pictureId) {}

    // A tray slot that is not square (44 x 22 at twice the density) shows the square picture
    // in its middle, on a clear ground: never stretched.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const std::pair key{size.width(), size.height()};
        auto it = drawn_.find(key);
        if (it == drawn_.end()) it = drawn_.emplace(key, centredSquare(size)).first;
        return it->second;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : kTraySides)
            sizes.append(QSize(side, side));
        return sizes;
    }
    QIconEngine* clone() const override { return new TrayPictureEngine(*this); }
    QString key() const override { return QStringLiteral("TrayPictureEngine"); }

private:
    QPixmap centredSquare(const QSize& size) const {
        const int side = std::min(size.width(), size.height());
        if (side == size.width() && side == size.height()) return Images::pixmap(pictureId_, size);
        QPixmap slot(size);
        slot.fill(Qt::transparent);
        QPainter painter(&slot);
        painter.drawPixmap((size.width() - side) / 2, (size.height() - side) / 2,
                           Images::pixmap(pictureId_, QSize(side, side)));
        return slot;
    }

    int pictureId_;
    std::map<std::pair<int, int>, QPixmap> drawn_;
};

QIcon trayPicture(int pictureId) {
    // One icon per picture for the run, sharing what its engine has drawn.
    static std::map<int, QIcon> icons;
    auto it = icons.find(pictureId);
    if (it == icons.end())
        it = icons.emplace(pictureId, QIcon(new TrayPictureEngine(pictureId))).first;
    return it->second;
}

// Whether Qt shows the icon through the desktop's StatusNotifier service, as it does whenever
// the service's watcher is on the session bus; otherwise the icon is embedded in the tray.
bool statusNotifierTray() {
    // Without a session bus there is no such service (and no bus is started to ask it).
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return false;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    const QDBusConnectionInterface* names = bus.isConnected() ? bus.interface() : nullptr;
    return names && names->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

} // namespace

QtTrayIcon::QtTrayIcon()
    : menu_(std::make_unique<QMenu>()), icon_(std::make_unique<QSystemTrayIcon>()) {
    connect(menu_->addAction(tr("Show the main window")), &QAction::triggered, this,
            &TrayIcon::showWindowChosen);
    display_ = menu_->addAction(l10n::text(msg::MenuDisplayStickums));
    display_->setCheckable(true);
    display_->setChecked(true);
    connect(display_, &QAction::triggered, this, &TrayIcon::displayChosen);
    connect(menu_->addAction(tr("New note")), &QAction::triggered, this, &TrayIcon::newNoteChosen);
    startAtLogin_ = menu_->addAction(l10n::text(msg::MenuStartAtLogin));
    startAtLogin_->setCheckable(true);
    connect(startAtLogin_, &QAction::triggered, this, &TrayIcon::startAtLoginChosen);
    connect(menu_.get(), &QMenu::aboutToShow, this, &TrayIcon::menuOpening);
    menu_->addSeparator();
    connect(menu_->addAction(tr("Quit")), &QAction::triggered, this, &TrayIcon::quitChosen);
    if (statusNotifierTray()) icon_->setContextMenu(menu_.get());
    connect(icon_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // Presses only: a double click's second press is ignored.
                if (reason == QSystemTrayIcon::Trigger) emit leftButtonPressed();
                if (reason == QSystemTrayIcon::Context) emit rightButtonPressed();
                if (reason == QSystemTrayIcon::MiddleClick && !icon_->contextMenu())
                    menu_->popup(QCursor::pos());
            });
}

QtTrayIcon::~QtTrayIcon() {
    remove();
}

bool QtTrayIcon::available() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::add(int pictureId, const QString& tip) {
    icon_->setIcon(trayPicture(pictureId));
    setTip(tip);
    icon_->show();
}

void QtTrayIcon::setPicture(int pictureId) {
    icon_->setIcon(trayPicture(pictureId));
}

void QtTrayIcon::setTip(const QString& tip) {
    icon_->setToolTip(tip.left(kMaxTip));
}

void QtTrayIcon::setDisplayOn(bool on) {
    display_->setChecked(on);
}

void QtTrayIcon::setStartAtLogin(bool on) {
    startAtLogin_->setChecked(on);
}

void QtTrayIcon::remove() {
    icon_->hide();
}

bool QtTrayIcon::showNote(const QString& title, const QString& text) {
    if (!icon_->isVisible() || !QSystemTrayIcon::supportsMessages()) return false;
    icon_->showMessage(title, text, QSystemTrayIcon::Information);
    return true;
}
