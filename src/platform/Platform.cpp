#include "platform/Platform.h"

#include "platform/Bundle.h"
#include "platform/LoginItem.h"
#include "platform/MemoryAudioHardware.h"
#include "platform/MemoryUserDefaults.h"
#include "platform/MicrophoneAccess.h"

namespace platform {
namespace {

Platform::Services& installed() {
    static Platform::Services services;
    return services;
}

template <typename T, typename Make>
T& orFallback(T* service, Make make) {
    if (service != nullptr) {
        return *service;
    }
    static auto fallback = make();
    return *fallback;
}

} // namespace

Platform::Services Platform::install(const Services& services) {
    auto previous = installed();
    auto& current = installed();
    if (services.userDefaults != nullptr) {
        current.userDefaults = services.userDefaults;
    }
    if (services.audioHardware != nullptr) {
        current.audioHardware = services.audioHardware;
    }
    if (services.loginItem != nullptr) {
        current.loginItem = services.loginItem;
    }
    if (services.microphoneAccess != nullptr) {
        current.microphoneAccess = services.microphoneAccess;
    }
    if (services.bundle != nullptr) {
        current.bundle = services.bundle;
    }
    return previous;
}

void Platform::restore(const Services& services) {
    installed() = services;
}

UserDefaults& Platform::userDefaults() {
    return orFallback(installed().userDefaults,
                      [] { return std::make_unique<MemoryUserDefaults>(); });
}

AudioHardware& Platform::audioHardware() {
    return orFallback(installed().audioHardware,
                      [] { return std::make_unique<MemoryAudioHardware>(); });
}

LoginItem& Platform::loginItem() {
    return orFallback(installed().loginItem, [] {
        return std::make_unique<FixedLoginItem>(LoginItemStatus::notRegistered);
    });
}

MicrophoneAccess& Platform::microphoneAccess() {
    return orFallback(installed().microphoneAccess,
                      [] { return std::make_unique<FixedMicrophoneAccess>(true); });
}

Bundle& Platform::bundle() {
    return orFallback(installed().bundle,
                      [] { return std::make_unique<Bundle>(Bundle::Contents{}); });
}

} // namespace platform
