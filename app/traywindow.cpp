#include "app/traywindow.h"

#include "process/desktopentry.h"

TrayWindow::TrayWindow(int tableId, int iconId, std::unique_ptr<TrayIcon> tray, QWidget* parent)
    : TemplateDialog(tableId, parent), iconId_(iconId), tray_(std::move(tray)) {
    connect(tray_.get(), &TrayIcon::leftButtonPressed, this, [this] { onTrayLeftButton(); });
    connect(tray_.get(), &TrayIcon::rightButtonPressed, this, [this] { onTrayRightButton(); });
    connect(tray_.get(), &TrayIcon::showWindowChosen, this,
            [this] { onTrayMenu(TrayEntry::ShowWindow); });
    connect(tray_.get(), &TrayIcon::displayChosen, this,
            [this](bool on) { onTrayMenu(on ? TrayEntry::DisplayOn : TrayEntry::DisplayOff); });
    connect(tray_.get(), &TrayIcon::newNoteChosen, this,
            [this] { onTrayMenu(TrayEntry::NewNote); });
    connect(tray_.get(), &TrayIcon::startAtLoginChosen, this, [this](bool on) {
        onTrayMenu(on ? TrayEntry::StartAtLoginOn : TrayEntry::StartAtLoginOff);
    });
    connect(tray_.get(), &TrayIcon::quitChosen, this, [this] { onTrayMenu(TrayEntry::Quit); });
    // Also changed from outside (quillbox --autostart, the desktop's settings): asked afresh.
    connect(tray_.get(), &TrayIcon::menuOpening, this,
            [this] { tray_->setStartAtLogin(Autostart::on()); });
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

void TrayWindow::setTrayDisplay(bool on) {
    tray_->setDisplayOn(on);
}
