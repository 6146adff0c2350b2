#include "analytics/Analytics.h"

#include "BuildConfig.h"
#include "analytics/MatomoTracker.h"
#include "app/PersistedSettings.h"
#include "net/HttpClient.h"
#include "region/AppUtility.h"

namespace {

Analytics::Servers& currentServers() {
    static Analytics::Servers servers{std::string(build_config::analyticsServerGlobal),
                                      std::string(build_config::analyticsServerChina)};
    return servers;
}

} // namespace

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

Analytics::Servers Analytics::setServers(Servers servers) {
    return std::exchange(currentServers(), std::move(servers));
}

Analytics::Servers Analytics::servers() {
    return currentServers();
}

void Analytics::send(const std::string& action, const std::optional<std::string>& name) {
    const auto site = siteFor(isGlobalRegion, currentServers());
    auto tracker = MatomoTracker::make(site.siteId, site.url, net::HttpClient::shared());
    // Read even without consent: the first event of an installation creates the identifier.
    const std::string identifier = PersistedSettings::getDeviceUniqueID();
    tracker->setVisitorIdentifier(identifier);
    tracker->setDimension(identifier, 15);
    tracker->setDimension(AppUtility::getVersion(), 3);
    tracker->setDimension(AppUtility::getModel().value_or(std::string()), 13);
    tracker->setDimension(platformName, 5);
    tracker->isOptedOut = PersistedSettings::getCheckPrivacyStatus() != 1;
    tracker->track("nb_driver", action, name);
    tracker->dispatch();
}
