#pragma once

#include "app/Screen.h"
#include "platform/LoginItem.h"

#include <string_view>

// Which screen the launch shows, from the persisted flags and the platform's answers.
class LaunchFlow {
public:
    // Without an accepted licence the licence screen comes first, before any permission
    // request.
    [[nodiscard]] static bool needsLicenceScreen(bool eulaAccepted) { return !eulaAccepted; }
    [[nodiscard]] static Screen screenAfterMicrophoneAnswer(bool granted,
                                                            platform::LoginItemStatus status);
    // The name the launch line gives a first screen.
    [[nodiscard]] static std::string_view screenName(Screen screen);
};
