#include "analytics/Analytics.h"

#include "analytics/MatomoTracker.h"
#include "core/DefaultsKeys.h"
#include "core/ProcessState.h"
#include "platform/Bundle.h"
#include "region/AppUtility.h"
#include "support/HttpTestServer.h"
#include "support/MemoryUserDefaults.h"
#include "support/ScopedPlatform.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class AnalyticsTest : public ::testing::Test {
protected:
    ~AnalyticsTest() override {
        // Trackers end with their requests; none may outlive the servers of this test.
        EXPECT_TRUE(QTest::qWaitFor([] { return MatomoTracker::liveCount() == 0; }, 20000));
    }

    void consent(std::int64_t value) { store.setInteger(defaults_keys::checkPrivacyStatus, value); }
    platform::MemoryUserDefaults store;
    // Characters that must be escaped on their way into the query.
    HttpTestServer global;
    HttpTestServer china;
    platform::Bundle bundle{{.identifier = "com.lumatix.test",
                             .version = "2.10.1 b&c=d+e",
                             .endpoints = {.analyticsServerGlobal = global.url(),
                                           .analyticsServerChina = china.url() + "/"}}};
    ScopedPlatform scoped{{.userDefaults = &store, .bundle = &bundle}};
};

} // namespace

TEST_F(AnalyticsTest, OnlyConsentOneSendsAndEachEventGoesToTheRegionsServerAndSite) {
    for (const std::int64_t status : {0, 2, 3}) {
        consent(status);
        Analytics::sendModeEvent("music");
        Analytics::sendLaunchEvent();
        Analytics::sendMoreInfoEvent("phone_app_download");
    }
    // An opted-out tracker has nothing to send and is gone at once; the identifier is made.
    EXPECT_EQ(MatomoTracker::liveCount(), 0);
    const auto identifier = store.objectForKey(defaults_keys::deviceUniqueID);
    ASSERT_TRUE(identifier.has_value());

    consent(1);
    Analytics::sendModeEvent("meeting");
    ASSERT_TRUE(global.waitForRequests(1));
    isGlobalRegion = false;
    Analytics::sendLaunchEvent();
    ASSERT_TRUE(china.waitForRequests(1));
    Analytics::sendMoreInfoEvent("support_page");
    ASSERT_TRUE(china.waitForRequests(2));
    // Path, site, action and name ("-" for none) of each event; then what every event carries.
    const std::vector<std::pair<HttpTestServer::Request, std::string>> events{
        {global.requests()[0], "/matomo.php 6 nb_mode meeting"},
        {china.requests()[0], "/matomo.php 3 nb_launch -"},
        {china.requests()[1], "/matomo.php 3 nb_moreinfo support_page"}};
    const std::map<std::string, std::string> common{
        {"e_c", "nb_driver"},
        {"dimension15", std::get<std::string>(*identifier)},
        {"dimension3", "2.10.1 b&c=d+e"},
        {"dimension13", AppUtility::getModel().value_or("")},
        {"dimension5", "linux"}};
    for (const auto& [event, expected] : events) {
        EXPECT_EQ(event.path + " " + event.queryValue("idsite") + " " + event.queryValue("e_a") +
                      " " + (event.hasQueryKey("e_n") ? event.queryValue("e_n") : "-"),
                  expected);
        for (const auto& [key, value] : common) {
            EXPECT_TRUE(event.hasQueryKey(key)) << key;
            EXPECT_EQ(event.queryValue(key), value) << key;
        }
        EXPECT_FALSE(event.hasQueryKey("e_v"));
    }
}
