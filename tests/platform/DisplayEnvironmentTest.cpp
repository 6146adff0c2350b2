#include "platform/DisplayEnvironment.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using platform::DisplayEnvironment;

namespace {

std::optional<std::string> reason(std::map<std::string, std::string> env,
                                  std::set<std::string> files) {
    return DisplayEnvironment::missingDisplayReason(
        [&](const std::string& name) -> std::optional<std::string> {
            const auto found = env.find(name);
            return found == env.end() ? std::nullopt : std::optional(found->second);
        },
        [&](const std::string& path) { return files.contains(path); });
}

} // namespace

TEST(DisplayEnvironmentTest, NothingSetMeansNoDisplay) {
    EXPECT_TRUE(reason({}, {}).has_value());
    EXPECT_TRUE(reason({{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, {}).has_value());
}

TEST(DisplayEnvironmentTest, LocalX11NeedsItsSocket) {
    EXPECT_FALSE(reason({{"DISPLAY", ":0"}}, {"/tmp/.X11-unix/X0"}).has_value());
    EXPECT_FALSE(reason({{"DISPLAY", ":12.0"}}, {"/tmp/.X11-unix/X12"}).has_value());
    EXPECT_TRUE(reason({{"DISPLAY", ":3"}}, {"/tmp/.X11-unix/X0"}).has_value());
    EXPECT_TRUE(reason({{"DISPLAY", ":x"}}, {}).has_value());
    // A remote display cannot be checked here and is left to try.
    EXPECT_FALSE(reason({{"DISPLAY", "localhost:10.0"}}, {}).has_value());
}

TEST(DisplayEnvironmentTest, WaylandSocketIsLookedUpInTheRuntimeFolder) {
    EXPECT_FALSE(reason({{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_RUNTIME_DIR", "/run/user/1000"}},
                        {"/run/user/1000/wayland-0"})
                     .has_value());
    EXPECT_TRUE(
        reason({{"WAYLAND_DISPLAY", "wayland-0"}}, {"/run/user/1000/wayland-0"}).has_value());
    EXPECT_FALSE(reason({{"WAYLAND_DISPLAY", "/tmp/w"}}, {"/tmp/w"}).has_value());
}

TEST(DisplayEnvironmentTest, ChosenQtPlatformDecides) {
    EXPECT_FALSE(reason({{"QT_QPA_PLATFORM", "offscreen"}}, {}).has_value());
    EXPECT_TRUE(reason({{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "/tmp/w"}}, {"/tmp/w"})
                    .has_value());
    EXPECT_TRUE(reason({{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":0"}}, {"/tmp/.X11-unix/X0"})
                    .has_value());
}
