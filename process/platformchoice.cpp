#include "process/platformchoice.h"

#include "look/l10n.h"
#include "look/messages.h"
#include "model/catalogue.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstring>

namespace {

bool isSet(const char* name) {
    return !qEnvironmentVariableIsEmpty(name);
}

} // namespace

PlatformSetting platformSetting(int argc, char** argv) {
    PlatformSetting setting;
    setting.userChose = isSet("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            setting.userChose = true;
    }
    setting.wayland = isSet("WAYLAND_DISPLAY");
    setting.x11 = isSet("DISPLAY");
    setting.waylandSession = qgetenv("XDG_SESSION_TYPE") == "wayland";
    return setting;
}

PlatformChoice choosePlatform(const PlatformSetting& setting) {
    if (setting.userChose) return PlatformChoice::AsIs;
    // A Wayland session whose compositor is on the default socket names none: Qt would still
    // choose Wayland there, where XWayland (DISPLAY) serves Quillbox better.
    if (setting.wayland || setting.waylandSession) {
        if (setting.x11) return PlatformChoice::X11;
        if (setting.wayland) return PlatformChoice::WithoutPinning;
    }
    return PlatformChoice::AsIs;
}

void applyPlatformChoice(PlatformChoice choice) {
    if (choice == PlatformChoice::X11) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    // Qt would try X11 first where the session does not call itself a Wayland one.
    if (choice == PlatformChoice::WithoutPinning)
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("wayland"));
}

void applyExportPlatform(const PlatformSetting& setting) {
    if (setting.userChose) return;
    const PlatformChoice choice = choosePlatform(setting);
    const QByteArray first = choice == PlatformChoice::X11 ? QByteArrayLiteral("xcb;")
                             : choice == PlatformChoice::WithoutPinning
                                 ? QByteArrayLiteral("wayland;")
                             : setting.x11     ? QByteArrayLiteral("xcb;")
                             : setting.wayland ? QByteArrayLiteral("wayland;")
                                               : QByteArray();
    qputenv("QT_QPA_PLATFORM", first + "offscreen");
}

void tellPlatformLimits(PlatformChoice choice, MessageBoxes& messages) {
    if (choice != PlatformChoice::WithoutPinning) return;
    messages.showMessage(nullptr, l10n::text(msg::NoXWayland), l10n::text(msg::ProgramName),
                         box::PinNotice);
}
