#include "platform/Platform.h"

#include "platform/Log.h"

#include <cstdlib>
#include <string>

namespace platform {
namespace {

Platform::Services& installed() {
    static Platform::Services services;
    return services;
}

// A service that was never installed is a wiring fault of this build, not something a user
// can cause: say which one and stop, rather than carry on with made-up answers.
template <typename T>
T& require(T* service, const char* name) {
    if (service == nullptr) {
        Log::line(std::string("platform service not installed: ") + name);
        std::abort();
    }
    return *service;
}

} // namespace

Platform::Services Platform::install(const Services& services) {
    auto previous = installed();
    auto& current = installed();
    const auto take = [](auto*& slot, auto* given) {
        if (given != nullptr) {
            slot = given;
        }
    };
    take(current.userDefaults, services.userDefaults);
    take(current.audioHardware, services.audioHardware);
    take(current.loginItem, services.loginItem);
    take(current.microphoneAccess, services.microphoneAccess);
    take(current.bundle, services.bundle);
    take(current.userState, services.userState);
    take(current.desktopSettings, services.desktopSettings);
    take(current.fileManager, services.fileManager);
    take(current.webBrowser, services.webBrowser);
    take(current.desktopNotifications, services.desktopNotifications);
    return previous;
}

void Platform::restore(const Services& services) {
    installed() = services;
}

UserDefaults& Platform::userDefaults() {
    return require(installed().userDefaults, "userDefaults");
}

AudioHardware& Platform::audioHardware() {
    return require(installed().audioHardware, "audioHardware");
}

LoginItem& Platform::loginItem() {
    return require(installed().loginItem, "loginItem");
}

MicrophoneAccess& Platform::microphoneAccess() {
    return require(installed().microphoneAccess, "microphoneAccess");
}

Bundle& Platform::bundle() {
    return require(installed().bundle, "bundle");
}

UserState& Platform::userState() {
    return require(installed().userState, "userState");
}

DesktopSettings& Platform::desktopSettings() {
    return require(installed().desktopSettings, "desktopSettings");
}

FileManager& Platform::fileManager() {
    return require(installed().fileManager, "fileManager");
}

WebBrowser& Platform::webBrowser() {
    return require(installed().webBrowser, "webBrowser");
}

DesktopNotifications& Platform::desktopNotifications() {
    return require(installed().desktopNotifications, "desktopNotifications");
}

} // namespace platform
