#include "app/traywindow.h"

TrayWindow::TrayWindow(int tableId, int iconId, std::unique_ptr<TrayIcon> tray, QWidget* parent)
    : TemplateDialog(tableId, parent), iconId_(iconId), tray_(std::move(tray)) {
    connect(tray_.get(), &TrayIcon::leftButtonPressed, this, [this] { onTrayLeftButton(); });
    connect(tray_.get(), &TrayIcon::rightButtonPressed, this, [this] { onTrayRightButton(); });
}

TrayWindow::~TrayWindow() {
    tray_->remove();
}

void TrayWindow::setUpTray(const QString& tip) {
    tray_->add(iconId_, tip.left(TrayIcon::kMaxTip));
}

void TrayWindow::setTrayIcon(int pictureId) {
    tray_->setPicture(pictureId);
}

void TrayWindow::setTrayTip(const QString& tip) {
    tray_->setTip(tip.left(TrayIcon::kMaxTip));
}
