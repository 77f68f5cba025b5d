// Which platform Quillbox asks Qt for: X11 wherever it can be had, through XWayland on a Wayland
// desktop, natively (pinning off) only where there is no X server at all.
#include "process/platformchoice.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// The desktop (userChose, WAYLAND_DISPLAY, DISPLAY, a Wayland session) and the choice.
class ChoosePlatform
    : public ::testing::TestWithParam<std::tuple<const char*, PlatformSetting, PlatformChoice>> {};

TEST_P(ChoosePlatform, TakesX11WhereverItCan) {
    EXPECT_EQ(choosePlatform(std::get<1>(GetParam())), std::get<2>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, ChoosePlatform,
    ::testing::Values(
        std::tuple{"x11", PlatformSetting{false, false, true, false}, PlatformChoice::AsIs},
        std::tuple{"waylandWithXWayland", PlatformSetting{false, true, true, true},
                   PlatformChoice::X11},
        std::tuple{"waylandAlone", PlatformSetting{false, true, false, true},
                   PlatformChoice::WithoutPinning},
        // The compositor on its default socket, named by nobody: Qt would still take Wayland.
        std::tuple{"waylandSessionWithDisplayOnly", PlatformSetting{false, false, true, true},
                   PlatformChoice::X11},
        std::tuple{"userChose", PlatformSetting{true, true, true, true}, PlatformChoice::AsIs}),
    [](const auto& instance) { return std::string(std::get<0>(instance.param)); });

} // namespace
