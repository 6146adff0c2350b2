#include "analytics/Analytics.h"

#include "analytics/MatomoTracker.h"
#include "app/DefaultsKeys.h"
#include "net/HttpClient.h"
#include "platform/Bundle.h"
#include "platform/MemoryUserDefaults.h"
#include "region/AppUtility.h"
#include "support/HttpTestServer.h"
#include "support/ScopedPlatform.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class AnalyticsTest : public ::testing::Test {
protected:
    AnalyticsTest() {
        isGlobalRegion = true;
        store.setObject(defaults_keys::deviceUniqueID, "202612051403070420007");
        global.route("/matomo.php", HttpTestServer::text("", 204, ""));
        china.route("/matomo.php", HttpTestServer::text("", 204, ""));
    }
    ~AnalyticsTest() override {
        // Trackers end with their requests; none may outlive the servers of this test.
        EXPECT_TRUE(QTest::qWaitFor([] { return MatomoTracker::liveCount() == 0; }, 20000));
        Analytics::setServers(previous);
        isGlobalRegion = true;
    }

    void consent(std::int64_t status) {
        store.setInteger(defaults_keys::checkPrivacyStatus, status);
    }

    platform::MemoryUserDefaults store;
    platform::Bundle bundle{{.identifier = "com.lumatix.test", .version = "2.10.1"}};
    ScopedPlatform scoped{{.userDefaults = &store, .bundle = &bundle}};
    HttpTestServer global;
    HttpTestServer china;
    Analytics::Servers previous = Analytics::setServers({global.url(), china.url() + "/"});
};

} // namespace

TEST_F(AnalyticsTest, WithConsentOneEventGoesToTheRegionsServerAndSite) {
    consent(1);
    Analytics::sendModeEvent("meeting");
    ASSERT_TRUE(global.waitForRequests(1));
    const auto event = global.requests().front();
    EXPECT_EQ(event.method, "GET");
    EXPECT_EQ(event.path, "/matomo.php");
    EXPECT_EQ(event.queryValue("idsite"), "6");
    EXPECT_EQ(event.queryValue("rec"), "1");
    EXPECT_EQ(event.queryValue("apiv"), "1");
    EXPECT_EQ(event.queryValue("_id"), MatomoTracker::visitorId("202612051403070420007"));
    EXPECT_EQ(event.queryValue("_id").size(), 16u);
    EXPECT_EQ(event.queryValue("e_c"), "nb_driver");
    EXPECT_EQ(event.queryValue("e_a"), "nb_mode");
    EXPECT_EQ(event.queryValue("e_n"), "meeting");
    EXPECT_EQ(event.queryValue("dimension15"), "202612051403070420007");
    EXPECT_EQ(event.queryValue("dimension3"), "2.10.1");
    EXPECT_EQ(event.queryValue("dimension13"), AppUtility::getModel().value_or(""));
    EXPECT_TRUE(event.hasQueryKey("dimension13"));
    EXPECT_EQ(event.queryValue("dimension5"), "linux");
    EXPECT_FALSE(event.queryValue("rand").empty());
    EXPECT_FALSE(event.hasQueryKey("e_v"));

    isGlobalRegion = false;
    Analytics::sendLaunchEvent();
    Analytics::sendMoreInfoEvent("support_page");
    ASSERT_TRUE(china.waitForRequests(2));
    std::vector<std::string> actions;
    for (const auto& request : china.requests()) {
        EXPECT_EQ(request.queryValue("idsite"), "3");
        actions.push_back(request.queryValue("e_a") + "/" + request.queryValue("e_n"));
        if (request.queryValue("e_a") == "nb_launch") {
            EXPECT_FALSE(request.hasQueryKey("e_n"));
        }
    }
    std::sort(actions.begin(), actions.end());
    EXPECT_EQ(actions, (std::vector<std::string>{"nb_launch/", "nb_moreinfo/support_page"}));
    EXPECT_EQ(global.requestCount(), 1);
}

TEST_F(AnalyticsTest, WithoutConsentNothingLeavesYetTheIdentifierIsMade) {
    store.removeObject(defaults_keys::deviceUniqueID);
    for (const std::int64_t status : {0, 2, 3}) {
        consent(status);
        Analytics::sendModeEvent("music");
        Analytics::sendLaunchEvent();
        Analytics::sendMoreInfoEvent("phone_app_download");
        // An opted-out tracker has nothing to wait for and is gone at once.
        EXPECT_EQ(MatomoTracker::liveCount(), 0);
    }
    store.setBool(defaults_keys::checkPrivacyStatus, true);
    Analytics::sendModeEvent("music");
    EXPECT_EQ(MatomoTracker::liveCount(), 0) << "consent stored as a Boolean is no consent";

    // One consented event afterwards is the only thing the server ever sees.
    consent(1);
    Analytics::sendModeEvent("meeting");
    ASSERT_TRUE(global.waitForRequests(1));
    QTest::qWait(50);
    ASSERT_EQ(global.requestCount(), 1);
    EXPECT_EQ(global.requests().front().queryValue("e_n"), "meeting");
    EXPECT_EQ(china.requestCount(), 0);
    const auto identifier = store.objectForKey(defaults_keys::deviceUniqueID);
    ASSERT_TRUE(identifier.has_value());
    EXPECT_EQ(global.requests().front().queryValue("dimension15"),
              std::get<std::string>(*identifier));
}

TEST_F(AnalyticsTest, ATrackerOutlivesItsCallerUntilItsRequestsEnd) {
    HttpTestServer::Reply slow;
    slow.behaviour = HttpTestServer::Behaviour::stallAfterPartialBody;
    slow.body = "GIF89a";
    slow.stallAfterBytes = 2;
    global.route("/slow/matomo.php", slow);
    net::HttpClient client({.stallLimit = std::chrono::milliseconds(300)});
    bool done = false;
    {
        auto tracker = MatomoTracker::make("6", global.url("/slow/matomo.php"), client);
        tracker->setDimension("a&b=c d", 15);
        tracker->track("nb_driver", "nb_mode", std::string("m\xC3\xBCsic"));
        tracker->track("nb_driver", "nb_launch", std::nullopt);
        tracker->dispatch([&] { done = true; });
    }
    EXPECT_EQ(MatomoTracker::liveCount(), 1);
    ASSERT_TRUE(global.waitForRequests(2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 20000));
    EXPECT_EQ(MatomoTracker::liveCount(), 0);
    EXPECT_EQ(global.requests().front().queryValue("dimension15"), "a&b=c d");
    EXPECT_EQ(global.requests().front().queryValue("e_n"), "m\xC3\xBCsic");
}
