// Which platform Quillbox asks Qt for: X11 wherever it can be had, through XWayland on a Wayland
// desktop, natively (pinning off) only where there is no X server at all.
#include "process/platformchoice.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    PlatformSetting setting;
    PlatformChoice choice;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class ChoosePlatform : public ::testing::TestWithParam<Case> {};

TEST_P(ChoosePlatform, TakesX11WhereverItCan) {
    EXPECT_EQ(choosePlatform(GetParam().setting), GetParam().choice);
}

// Fields: userChose, wayland (WAYLAND_DISPLAY), x11 (DISPLAY), waylandSession.
INSTANTIATE_TEST_SUITE_P(
    Desktops, ChoosePlatform,
    ::testing::Values(
        Case{"x11", {false, false, true, false}, PlatformChoice::AsIs},
        Case{"waylandWithXWayland", {false, true, true, true}, PlatformChoice::X11},
        Case{"waylandAlone", {false, true, false, true}, PlatformChoice::WithoutPinning},
        // The compositor on its default socket, named by nobody: Qt would still
        // take Wayland.
        Case{"waylandSessionWithDisplayOnly", {false, false, true, true}, PlatformChoice::X11},
        Case{"userChose", {true, true, true, true}, PlatformChoice::AsIs}),
    [](const auto& instance) { return std::string(instance.param.name); });

} // namespace
