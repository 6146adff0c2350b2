#pragma once

#include "platform/LoginItem.h"

#include <cstdint>
#include <string_view>

// The first screens the main window can show at launch.
enum class LaunchScreen {
    eula,
    loginItem,
    updateCheck,
    microphonePermission,
};

// Which screen the launch shows, from the persisted flags and the platform's answers.
class LaunchFlow {
public:
    // Without an accepted licence the licence screen comes first, before any permission
    // request.
    [[nodiscard]] static bool needsLicenceScreen(std::int64_t eulaStatus) {
        return eulaStatus != 1;
    }
    [[nodiscard]] static LaunchScreen screenAfterMicrophoneAnswer(bool granted,
                                                                  platform::LoginItemStatus status);
    [[nodiscard]] static std::string_view screenName(LaunchScreen screen);
};
