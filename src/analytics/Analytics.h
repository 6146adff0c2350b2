#pragma once

#include "core/PersistedSettings.h"

#include <optional>
#include <string>

// Usage events, sent only with the user's consent.
class Analytics {
public:
    struct Servers {
        std::string global;
        std::string china;
    };
    struct Site {
        // Full address of the tracking endpoint.
        std::string url;
        std::string siteId;
    };

    // Stores the user's answer at once. The first agreement on a first launch ends the first
    // launch and sends the launch event, once.
    static void storeConsent(Consent answer);

    static void sendLaunchEvent();
    static void sendModeEvent(const std::string& name);
    static void sendMoreInfoEvent(const std::string& name);

    // The server and site for a region.
    [[nodiscard]] static Site siteFor(bool isGlobal, const Servers& servers);

    // Custom dimension 5: the platform this build runs on.
    static constexpr const char* platformName = "linux";

private:
    static void send(const std::string& action, const std::optional<std::string>& name);
};
