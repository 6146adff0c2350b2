#include "platform/DisplayEnvironment.h"

#include <gtest/gtest.h>
#include <map>

using platform::DisplayEnvironment;
using Env = std::map<std::string, std::string>;

// Only /tmp/.X11-unix/X0 and /run/user/1000/wayland-0 exist.
TEST(DisplayEnvironmentTest, ADisplayIsThereOnlyWhenItsSocketIs) {
    const std::pair<Env, bool> cases[] = {
        {{}, false},
        {{{"DISPLAY", ":0"}}, true},
        {{{"DISPLAY", ":3"}}, false},
        {{{"DISPLAY", "localhost:10.0"}}, true}, // remote: left to try
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_RUNTIME_DIR", "/run/user/1000"}}, true},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, false},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, true},
        {{{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "/run/user/1000/wayland-0"}}, false}};
    for (const auto& [env, display] : cases) {
        const auto reason = DisplayEnvironment::missingDisplayReason(
            [&](const std::string& name) -> std::optional<std::string> {
                return env.contains(name) ? std::optional(env.at(name)) : std::nullopt;
            },
            [](const std::string& path) {
                return path == "/tmp/.X11-unix/X0" || path == "/run/user/1000/wayland-0";
            });
        EXPECT_EQ(!reason.has_value(), display) << (env.empty() ? "" : env.rbegin()->second);
    }
}
