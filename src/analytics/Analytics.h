#pragma once

#include <string>

// Usage events, sent only with the user's consent.
class Analytics {
public:
    static void sendLaunchEvent();
    static void sendModeEvent(const std::string& name);
    static void sendMoreInfoEvent(const std::string& name);
};
