#include "app/trayicon.h"

#include "stickum/images.h"

#include <QSystemTrayIcon>

#include <array>
#include <map>

namespace {

// The sizes of the hicolor icon theme that trays ask for, up to a tray on a screen of twice
// the density: each drawn at its own size, none scaled from another.
constexpr std::array kTraySides{16, 22, 24, 32, 48, 64};

QIcon trayPicture(int pictureId) {
    // Drawn once for the run: the display switch changes the picture at every click.
    static std::map<int, QIcon> drawn;
    auto it = drawn.find(pictureId);
    if (it == drawn.end()) {
        QIcon icon;
        for (const int side : kTraySides)
            icon.addPixmap(Images::pixmap(pictureId, QSize(side, side)));
        it = drawn.emplace(pictureId, icon).first;
    }
    return it->second;
}

} // namespace

QtTrayIcon::QtTrayIcon() : icon_(std::make_unique<QSystemTrayIcon>()) {
    connect(icon_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // Presses only: a double click's second press and the middle button are ignored.
                if (reason == QSystemTrayIcon::Trigger) emit leftButtonPressed();
                if (reason == QSystemTrayIcon::Context) emit rightButtonPressed();
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

void QtTrayIcon::remove() {
    icon_->hide();
}
