#pragma once

#include <QString>

class MessageBoxes;

// Which of Qt's platforms Quillbox runs on. Stickums above all windows and pinning need X11; on
// a Wayland desktop they are there through XWayland only.
enum class PlatformChoice {
    AsIs,           // the user chose a platform, or the desktop is X11: Qt decides
    X11,            // a Wayland desktop with XWayland: run as an X11 program through it
    WithoutPinning, // a Wayland desktop without XWayland: native, with pinning off
};

// What the choice depends on, read from the environment and the command line.
struct PlatformSetting {
    bool userChose = false;      // QT_QPA_PLATFORM set, or -platform given
    bool wayland = false;        // WAYLAND_DISPLAY set
    bool x11 = false;            // DISPLAY set
    bool waylandSession = false; // XDG_SESSION_TYPE is "wayland": Qt tries Wayland first there

    // Some display is named: the program can start on it.
    bool display() const { return userChose || wayland || x11; }
};

PlatformSetting platformSetting(int argc, char** argv);
PlatformChoice choosePlatform(const PlatformSetting& setting);
// Tells Qt the choice; to be called before the application object is made.
void applyPlatformChoice(PlatformChoice choice);
// For an export that needs the desktop's palette: the platform a start would take, and where
// that display cannot be reached, or none is named, the toolkit's own without one.
void applyExportPlatform(const PlatformSetting& setting);
// Without pinning, says once why Stickums are not on top and notes cannot be pinned.
void tellPlatformLimits(PlatformChoice choice, MessageBoxes& messages);
