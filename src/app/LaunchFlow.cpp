#include "app/LaunchFlow.h"

Screen LaunchFlow::screenAfterMicrophoneAnswer(bool granted, platform::LoginItemStatus status) {
    if (!granted) {
        return Screen::microphonePermission;
    }
    return status == platform::LoginItemStatus::enabled ? Screen::updateCheck : Screen::loginItem;
}

std::string_view LaunchFlow::screenName(Screen screen) {
    switch (screen) {
    case Screen::eula:
        return "EULA";
    case Screen::loginItem:
        return "login item";
    case Screen::updateCheck:
        return "update check";
    case Screen::microphonePermission:
        return "microphone permission";
    default:
        break;
    }
    return "unknown";
}
