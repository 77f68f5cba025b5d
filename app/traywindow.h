#pragma once

#include "app/trayicon.h"
#include "pages/templatedialog.h"

#include <memory>

// A dialog that owns the program's tray icon for as long as it exists and turns presses of
// the left and right mouse buttons on the icon into onTrayLeftButton and onTrayRightButton, and
// the entries of its menu into onTrayMenu.
class TrayWindow : public TemplateDialog {
    Q_OBJECT
public:
    TrayWindow(int tableId, int iconId, std::unique_ptr<TrayIcon> tray, QWidget* parent = nullptr);
    ~TrayWindow() override;

    // Puts the icon into the tray with its first tip.
    void setUpTray(const QString& tip);
    void setTrayIcon(int pictureId);
    // The tip, cut to 63 characters.
    void setTrayTip(const QString& tip);
    // The menu's display switch shows the Stickums as on or off.
    void setTrayDisplay(bool on);
    // Whether the desktop shows our icon; without a tray the program must stay reachable.
    bool trayAvailable() const { return tray_->available(); }
    TrayIcon& tray() const { return *tray_; }
    int iconId() const { return iconId_; }

    // The entries of the icon's menu.
    enum class TrayEntry {
        ShowWindow,
        DisplayOn,
        DisplayOff,
        NewNote,
        StartAtLoginOn,
        StartAtLoginOff,
        Quit
    };

protected:
    virtual void onTrayLeftButton() = 0;
    virtual void onTrayRightButton() = 0;
    virtual void onTrayMenu(TrayEntry entry) = 0;

private:
    int iconId_;
    std::unique_ptr<TrayIcon> tray_;
};
