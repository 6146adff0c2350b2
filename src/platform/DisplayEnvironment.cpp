#include "platform/DisplayEnvironment.h"

#include <cstdlib>
#include <filesystem>

namespace platform {
namespace {

bool nonEmpty(const std::optional<std::string>& value) {
    return value && !value->empty();
}

bool waylandReachable(const DisplayEnvironment::Getenv& getenv,
                      const DisplayEnvironment::Exists& exists) {
    const auto display = getenv("WAYLAND_DISPLAY");
    if (!nonEmpty(display)) {
        return false;
    }
    if (display->front() == '/') {
        return exists(*display);
    }
    const auto runtime = getenv("XDG_RUNTIME_DIR");
    return nonEmpty(runtime) && exists(*runtime + "/" + *display);
}

// ":0" and ":1.0" are local servers with a socket to check; anything with a host part is
// reached over the network and is left to Qt.
bool x11Reachable(const DisplayEnvironment::Getenv& getenv,
                  const DisplayEnvironment::Exists& exists) {
    const auto display = getenv("DISPLAY");
    if (!nonEmpty(display)) {
        return false;
    }
    if (display->front() != ':') {
        return true;
    }
    const std::string number = display->substr(1, display->find('.') - 1);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    return exists("/tmp/.X11-unix/X" + number);
}

} // namespace

std::optional<std::string> DisplayEnvironment::missingDisplayReason(const Getenv& getenv,
                                                                    const Exists& exists) {
    const auto platformName = getenv("QT_QPA_PLATFORM");
    if (nonEmpty(platformName)) {
        if (platformName->starts_with("xcb")) {
            if (x11Reachable(getenv, exists)) {
                return std::nullopt;
            }
            return "no X11 display is reachable (DISPLAY is unset or its server is not running)";
        }
        if (platformName->starts_with("wayland")) {
            if (waylandReachable(getenv, exists)) {
                return std::nullopt;
            }
            return "no Wayland display is reachable (WAYLAND_DISPLAY is unset or its socket is "
                   "missing)";
        }
        // offscreen, vnc and the like need no display server.
        return std::nullopt;
    }
    if (waylandReachable(getenv, exists) || x11Reachable(getenv, exists)) {
        return std::nullopt;
    }
    return "no display is reachable: neither DISPLAY nor WAYLAND_DISPLAY names a running "
           "display server";
}

std::optional<std::string> DisplayEnvironment::missingDisplayReason() {
    return missingDisplayReason(
        [](const std::string& name) -> std::optional<std::string> {
            if (const char* value = std::getenv(name.c_str())) {
                return std::string(value);
            }
            return std::nullopt;
        },
        [](const std::string& path) {
            std::error_code error;
            return std::filesystem::exists(path, error);
        });
}

namespace {
constexpr char activationTokenVariable[] = "XDG_ACTIVATION_TOKEN";
}

std::string DisplayEnvironment::activationToken() {
    const char* token = std::getenv(activationTokenVariable);
    return token == nullptr ? std::string() : std::string(token);
}

void DisplayEnvironment::adoptActivationToken(const std::string& token) {
    if (!token.empty()) {
        setenv(activationTokenVariable, token.c_str(), 1);
    }
}

} // namespace platform
