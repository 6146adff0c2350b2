#include "analytics/Analytics.h"

#include "analytics/MatomoTracker.h"
#include "core/PersistedSettings.h"
#include "core/ProcessState.h"
#include "net/HttpClient.h"
#include "platform/Bundle.h"
#include "platform/Platform.h"
#include "region/AppUtility.h"

void Analytics::storeConsent(Consent answer) {
    PersistedSettings::setConsent(answer);
    if (PersistedSettings::getIsFirstLaunch() &&
        PersistedSettings::getCheckPrivacyStatus() == Consent::agreed) {
        PersistedSettings::endFirstLaunch();
        sendLaunchEvent();
    }
}

void Analytics::sendLaunchEvent() {
    send("nb_launch", std::nullopt);
}

void Analytics::sendModeEvent(const std::string& name) {
    send("nb_mode", name);
}

void Analytics::sendMoreInfoEvent(const std::string& name) {
    send("nb_moreinfo", name);
}

Analytics::Site Analytics::siteFor(bool isGlobal, const Servers& servers) {
    return isGlobal ? Site{net::HttpClient::joinAddress(servers.global, "/matomo.php"), "6"}
                    : Site{net::HttpClient::joinAddress(servers.china, "/matomo.php"), "3"};
}

void Analytics::send(const std::string& action, const std::optional<std::string>& name) {
    const auto& endpoints = platform::Platform::bundle().endpoints();
    const auto site =
        siteFor(isGlobalRegion, {endpoints.analyticsServerGlobal, endpoints.analyticsServerChina});
    auto tracker = MatomoTracker::make(site.siteId, site.url, net::HttpClient::shared());
    // Read even without consent: the first event of an installation creates the identifier.
    const std::string identifier = PersistedSettings::getDeviceUniqueID();
    tracker->setVisitorIdentifier(identifier);
    tracker->setDimension(identifier, 15);
    tracker->setDimension(AppUtility::getVersion(), 3);
    tracker->setDimension(AppUtility::getModel().value_or(std::string()), 13);
    tracker->setDimension(platformName, 5);
    tracker->isOptedOut = PersistedSettings::getCheckPrivacyStatus() != Consent::agreed;
    tracker->track("nb_driver", action, name);
    tracker->dispatch();
}
