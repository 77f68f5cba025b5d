#pragma once

#include "app/trayicon.h"

// Reaches the Qt icon and menu behind the tray icon.
struct QtTrayIconTestPeer {
    static QSystemTrayIcon* qtIcon(const QtTrayIcon& tray) { return tray.icon_.get(); }
    static QMenu* menu(const QtTrayIcon& tray) { return tray.menu_.get(); }
};
