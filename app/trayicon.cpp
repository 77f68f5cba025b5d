#include "app/trayicon.h"

#include "stickum/images.h"

#include <QSystemTrayIcon>

namespace {

constexpr QSize kTraySize{16, 16};

QIcon trayPicture(int pictureId) {
    return QIcon(Images::pixmap(pictureId, kTraySize));
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
