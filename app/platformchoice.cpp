#include "app/platformchoice.h"

#include "model/catalogue.h"
#include "pages/messages.h"

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
    return setting;
}

PlatformChoice choosePlatform(const PlatformSetting& setting) {
    if (setting.userChose || !setting.wayland) return PlatformChoice::AsIs;
    return setting.x11 ? PlatformChoice::X11 : PlatformChoice::WithoutPinning;
}

void applyPlatformChoice(PlatformChoice choice) {
    if (choice == PlatformChoice::X11) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    // Qt would try X11 first where the session does not call itself a Wayland one.
    if (choice == PlatformChoice::WithoutPinning)
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("wayland"));
}

void tellPlatformLimits(PlatformChoice choice, MessageBoxes& messages) {
    if (choice != PlatformChoice::WithoutPinning) return;
    messages.showMessage(nullptr, QString::fromUtf8(msg::NoXWayland),
                         QString::fromUtf8(msg::ProgramName), box::PinNotice);
}
