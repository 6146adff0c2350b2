#include "app/LaunchFlow.h"

LaunchScreen LaunchFlow::screenAfterMicrophoneAnswer(bool granted,
                                                     platform::LoginItemStatus status) {
    if (!granted) {
        return LaunchScreen::microphonePermission;
    }
    return status == platform::LoginItemStatus::enabled ? LaunchScreen::updateCheck
                                                        : LaunchScreen::loginItem;
}

std::string_view LaunchFlow::screenName(LaunchScreen screen) {
    switch (screen) {
    case LaunchScreen::eula:
        return "EULA";
    case LaunchScreen::loginItem:
        return "login item";
    case LaunchScreen::updateCheck:
        return "update check";
    case LaunchScreen::microphonePermission:
        return "microphone permission";
    }
    return "unknown";
}
