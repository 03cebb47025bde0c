// SPDX-License-Identifier: MIT
#include "app/DisplayCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tp::app {
namespace {

// Probes that open only the displays listed, and note what they were asked.
struct FakeDisplays {
    std::vector<std::string> x11;
    std::vector<std::string> wayland;
    std::vector<std::string> asked;

    DisplayProbes Probes() {
        return {[this](const std::string& name) {
                    asked.push_back("x11 " + name);
                    return std::find(x11.begin(), x11.end(), name) != x11.end();
                },
                [this](const std::string& name) {
                    asked.push_back("wayland " + name);
                    return std::find(wayland.begin(), wayland.end(), name) != wayland.end();
                }};
    }
};

TEST(CanShowWindows, WithoutAPlatformNamedEitherDisplayWillDo) {
    FakeDisplays displays{{":0"}, {"wayland-0"}, {}};
    EXPECT_FALSE(CanShowWindows({"", "", ""}, displays.Probes()));
    EXPECT_TRUE(displays.asked.empty()) << "nothing to open, nothing tried";
    EXPECT_TRUE(CanShowWindows({"", ":0", ""}, displays.Probes()));
    EXPECT_TRUE(CanShowWindows({"", "", "wayland-0"}, displays.Probes()));
    EXPECT_TRUE(CanShowWindows({"", ":1", "wayland-0"}, displays.Probes()));
    EXPECT_TRUE(CanShowWindows({"", ":0", "wayland-1"}, displays.Probes()));
    // Set but not there: an X server that is gone, a compositor that is not running.
    EXPECT_FALSE(CanShowWindows({"", ":1", "wayland-1"}, displays.Probes()));
    EXPECT_FALSE(CanShowWindows({" ; ", ":1", ""}, displays.Probes()));
}

TEST(CanShowWindows, AsksOnlyForWhatTheNamedPlatformsNeed) {
    FakeDisplays displays{{":0"}, {"wayland-0"}, {}};
    for (const char* drawsAlone :
         {"offscreen", "minimal", "offscreen:fontengine=freetype", " minimal ", "vnc", "linuxfb"}) {
        EXPECT_TRUE(CanShowWindows({drawsAlone, "", ""}, displays.Probes())) << drawsAlone;
    }
    EXPECT_TRUE(displays.asked.empty());

    EXPECT_TRUE(CanShowWindows({"xcb", ":0", ""}, displays.Probes()));
    EXPECT_FALSE(CanShowWindows({"xcb", "", "wayland-0"}, displays.Probes()));
    EXPECT_FALSE(CanShowWindows({"xcb", ":1", "wayland-0"}, displays.Probes()));
    EXPECT_TRUE(CanShowWindows({"wayland", "", "wayland-0"}, displays.Probes()));
    EXPECT_TRUE(CanShowWindows({"wayland-egl", "", "wayland-0"}, displays.Probes()));
    EXPECT_FALSE(CanShowWindows({"wayland", ":0", ""}, displays.Probes()));
    // A list is tried in order, as Qt tries it.
    EXPECT_TRUE(CanShowWindows({"wayland;xcb", ":0", ""}, displays.Probes()));
    EXPECT_TRUE(CanShowWindows({"xcb;offscreen", "", ""}, displays.Probes()));
    EXPECT_FALSE(CanShowWindows({"wayland;xcb", ":1", "wayland-1"}, displays.Probes()));
}

TEST(CanOpenDisplay, ADisplayThatIsNotThereDoesNotOpen) {
    EXPECT_FALSE(CanOpenX11Display("/nonexistent/tidepeddler/display:0"));
    EXPECT_FALSE(CanOpenWaylandDisplay("/nonexistent/tidepeddler/wayland-0"));
    EXPECT_FALSE(CanOpenWaylandDisplay(std::string(200, 'w')));
}

} // namespace
} // namespace tp::app
