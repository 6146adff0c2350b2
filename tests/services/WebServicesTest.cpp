#include "analytics/Analytics.h"
#include "analytics/MatomoTracker.h"
#include "core/DefaultsKeys.h"
#include "core/NotificationNames.h"
#include "core/PersistedSettings.h"
#include "core/ProcessState.h"
#include "fuzz/ReplyFuzzEntry.h"
#include "platform/Bundle.h"
#include "platform/NotificationCenter.h"
#include "region/AppUtility.h"
#include "support/CapturedLog.h"
#include "support/HttpTestServer.h"
#include "support/PlatformDoubles.h"
#include "support/ScopedPlatform.h"
#include "support/TestFiles.h"
#include "update/NetworkManger.h"
#include "update/UpdateReply.h"

#include <QTest>
#include <gtest/gtest.h>
#include <regex>

using Reply = HttpTestServer::Reply;
using nlohmann::json;

namespace {

// Local servers, and version 1.0.3 (code 1000300) of "com.lumatix.test".
class WebServicesTest : public ::testing::Test {
protected:
    ~WebServicesTest() override {
        platform::NotificationCenter::defaultCenter().removeObserver(this);
        // Trackers end with their requests; none may outlive the servers.
        EXPECT_TRUE(QTest::qWaitFor([] { return MatomoTracker::liveCount() == 0; }, 20000));
    }
    void countPosts(const std::string& name) {
        platform::NotificationCenter::defaultCenter().addObserver(this, name, [this] { ++posts; });
    }
    // Waits for the count-th post, then gives a second one the chance to show up.
    bool postedOnce(int count) {
        const bool posted = QTest::qWaitFor([&] { return posts >= count; }, 20000);
        QTest::qWait(20);
        return posted && posts == count;
    }

    HttpTestServer server;
    HttpTestServer china;
    net::HttpClient client{{.stallLimit = std::chrono::milliseconds(400)}};
    CapturedLog log;
    MemoryUserDefaults store;
    platform::Bundle bundle{{.identifier = "com.lumatix.test",
                             .version = "1.0.3",
                             .endpoints = {.analyticsServerGlobal = server.url(),
                                           .analyticsServerChina = china.url() + "/"}}};
    ScopedPlatform scoped{{.userDefaults = &store, .bundle = &bundle}};
    int posts = 0;
};

} // namespace

TEST_F(WebServicesTest, RegionLookupByCountryCodePostsGetRegionOnEveryAnswer) {
    // Reply, region before, after: only the content type is validated; no forged log lines.
    const std::vector<std::tuple<Reply, bool, bool>> rows{
        {HttpTestServer::json(R"({"countryCode":"CN"})"), true, false},
        {HttpTestServer::json(R"({"countryCode":"HK"})"), true, false},
        {HttpTestServer::json(R"({"countryCode":"MO"})"), true, false},
        {HttpTestServer::json(R"({"countryCode":"cn"})"), false, true},
        {HttpTestServer::json(R"({"countryCode":"TW"})"), false, true},
        {HttpTestServer::json(R"({"countryCode":"US"})", 500), false, true},
        {HttpTestServer::json(R"({"countryCode":"US\ncountryCode = CN"})"), false, true},
        {HttpTestServer::json(R"({"countryCode":"CN"})", 200, "text/html"), true, true},
        {HttpTestServer::json(R"({"countryCode":"US")"), false, false},
        {HttpTestServer::silent(), false, false},
    };
    countPosts(notification_names::getRegion);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        server.route("/json/", std::get<0>(rows[i]));
        isGlobalRegion = std::get<1>(rows[i]);
        AppUtility::requestRegion(client, server.url(), "KEY123");
        EXPECT_TRUE(postedOnce(static_cast<int>(i) + 1)) << i;
        EXPECT_EQ(isGlobalRegion, std::get<2>(rows[i])) << i;
    }
    // Neither the key nor the rest of the reply (it locates the user) reaches the log.
    const std::string answer = server.url("/json/?key=…") + " response data: ";
    EXPECT_EQ(log.count(answer + "received"), 7);
    EXPECT_TRUE(log.contains(answer + "empty"));
    EXPECT_TRUE(std::ranges::none_of(log.lines(), [](const std::string& line) {
        return line.find("KEY123") != std::string::npos || line.find('{') != std::string::npos;
    }));
    EXPECT_TRUE(log.contains(R"(countryCode = US\ncountryCode = CN)"));
    EXPECT_EQ(log.count("countryCode = CN"), 1);
}

TEST_F(WebServicesTest, IdentifierAndLastCheckStamp) {
    EXPECT_EQ(AppUtility::makeDeviceUniqueID(QDateTime(QDate(2026, 12, 5), QTime(14, 3, 7, 42)), 7),
              "202612051403070420007");
    // 30 December 2024 is in the first week of 2025.
    EXPECT_EQ(AppUtility::makeDeviceUniqueID(QDateTime(QDate(2024, 12, 30), QTime(0, 0)), 9998),
              "202512300000000009998");
    AppUtility::saveLastCheckOTADate(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 678)));
    EXPECT_EQ(store.objectForKey(defaults_keys::lastCheckOTADate),
              platform::DefaultsValue(std::string("2026-01-02 03:04:05")));
    EXPECT_EQ(store.synchronizations, 1);
}

// A non-numeric or not newer code, another result code, a missing name or a malformed checksum
// is no offer; a well-formed checksum comes along in lower case.
TEST(UpdateReplyTest, VersionCodeAndEveryRuleThatMustHoldForAnOffer) {
    EXPECT_EQ(NetworkManger::versionCodeFor("1.2.13"), "1021300");
    EXPECT_EQ(NetworkManger::versionCodeFor("1.0.0b"), "10000b00");
    const std::string a63(63, 'a');
    // Server code, result code, the checksum member (none: absent), the checksum offered
    // against 1000300 (none: no offer).
    const std::vector<std::tuple<json, json, std::optional<json>, std::optional<std::string>>> rows{
        {"1000400", 9906, std::nullopt, ""},
        {"1000300", 9906, std::nullopt, std::nullopt},
        {"1000200", 9906, std::nullopt, std::nullopt},
        {"1000400", 9905, std::nullopt, std::nullopt},
        {1000400, 9906, std::nullopt, std::nullopt},
        {"1000400", "9906", std::nullopt, std::nullopt},
        {"1000400", 9906, std::string(64, 'A'), std::string(64, 'a')},
        {"1000400", 9906, a63, std::nullopt},
        {"1000400", 9906, a63 + "aa", std::nullopt},
        {"1000400", 9906, a63 + "g", std::nullopt},
        {"1000400", 9906, json(nullptr), std::nullopt},
        {"1000400", 9906, 42, std::nullopt}};
    for (const auto& [code, result, member, offered] : rows) {
        json reply{{"ResultCode", result},
                   {"getUpdateList", {{"versionCode", code}, {"downloadLink", "l"}}}};
        if (member) {
            reply["getUpdateList"]["sha256"] = *member;
        }
        EXPECT_FALSE(UpdateReply::evaluate(reply, "1000300")) << reply;
        reply["getUpdateList"]["versionName"] = "n";
        const auto offer = UpdateReply::evaluate(reply, "1000300");
        EXPECT_EQ(offer ? std::optional(offer->sha256) : std::nullopt, offered) << reply;
    }
}

// Every reply the fuzzer kept stays handled (the fuzzer run on them names a failing one).
TEST(ReplyCorpusTest, EveryStoredInputIsHandled) {
    for (const auto& entry : std::filesystem::directory_iterator(LUMATIX_REPLY_CORPUS_DIR)) {
        const std::string bytes = readFile(entry.path());
        fuzzReplyHandling(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
}

TEST_F(WebServicesTest, UpdateCheckOutcomesPackageNamesAndHeaders) {
    NetworkManger manager(client, server.url());
    std::pair<Reply, Reply> replies; // normal, forced
    server.setHandler([&](const HttpTestServer::Request& request) {
        return request.query.find(".forced") == std::string::npos ? replies.first : replies.second;
    });
    const std::string offer = R"({"ResultCode":9906,"getUpdateList":{"versionCode":"1000400",)"
                              R"("downloadLink":"https://x/1.0.4","versionName":"1.0.4",)"
                              R"("sha256":")" +
                              std::string(64, 'a') + R"("}})";
    const Reply normalOffer = HttpTestServer::json(offer);
    const Reply forcedOffer = HttpTestServer::json(std::regex_replace(offer, std::regex("4"), "5"));
    const Reply none = HttpTestServer::json(R"({"ResultCode":9900})");
    // Normal and forced reply, China region, then the link, the name and the forced flag left.
    const std::vector<std::tuple<Reply, Reply, bool, std::string, std::string, bool>> rows{
        {none, none, false, "", "", true}, // the flag is left from before
        {normalOffer, none, false, "https://x/1.0.4", "1.0.4", false},
        {none, forcedOffer, true, "https://x/1.0.5", "", true},
        {normalOffer, forcedOffer, false, "https://x/1.0.5", "1.0.4", true},
        // No answer to the normal request still leads to the forced one; failures are no offer.
        {HttpTestServer::silent(), forcedOffer, false, "https://x/1.0.5", "", true},
        {HttpTestServer::json(offer, 500), HttpTestServer::silent(), true, "", "", true},
    };
    countPosts(notification_names::checkOTADown);
    isForcedUpdate = true;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& [normal, forced, inChina, url, name, forcedFlag] = rows[i];
        replies = {normal, forced};
        isGlobalRegion = !inChina;
        manager.checkUpdate();
        ASSERT_TRUE(postedOnce(static_cast<int>(i) + 1)) << i;
        EXPECT_EQ(manager.newVersionUrl, url) << i;
        EXPECT_EQ(manager.newVersionName, name) << i;
        EXPECT_EQ(manager.newVersionSha256, url.empty() ? "" : std::string(64, 'a')) << i;
        EXPECT_EQ(isForcedUpdate, forcedFlag) << i;
        const auto requests = server.requests();
        ASSERT_EQ(requests.size(), 2 * i + 2);
        for (const std::size_t n : {2 * i, 2 * i + 1}) {
            auto h = requests[n].headers;
            EXPECT_EQ(
                requests[n].queryValue("packageName") + " " + h["action"] + " " + h["apiversion"] +
                    " " + h["language"] + " " + h["encoding-type"] + " " + h["content-type"],
                "com.lumatix.test" + std::string(n % 2 ? ".forced" : "") + (inChina ? ".cn" : "") +
                    " CheckAndroidVerInfo 1.0 zh_cn gzip application/json");
        }
    }
    // The forced reply is logged, also when there is none.
    const std::string path = server.url("/tvservice_api/api/response.php?packageName=");
    for (const std::string& line : std::vector<std::string>{
             "newVersionName = 1.0.4", R"({"ResultCode":9900})", "nil",
             "url = " + path + "com.lumatix.test&versionCode=1000300",
             "url cn = " + path + "com.lumatix.test.forced.cn&versionCode=1000300"}) {
        EXPECT_TRUE(log.contains(line)) << line;
    }

    // Without a bundle version nothing is asked and nothing posted.
    platform::Bundle broken({.identifier = "com.lumatix.test"});
    ScopedPlatform withoutVersion({.bundle = &broken});
    manager.checkUpdate();
    EXPECT_TRUE(postedOnce(static_cast<int>(rows.size())));
    EXPECT_EQ(server.requestCount(), static_cast<int>(2 * rows.size()));
}

TEST_F(WebServicesTest, AnalyticsOnlyWithConsentToTheRegionsServerAndSite) {
    for (const std::int64_t status : {0, 2, 3}) {
        store.setInteger(defaults_keys::checkPrivacyStatus, status);
        Analytics::sendModeEvent("music");
        Analytics::sendLaunchEvent();
        Analytics::sendMoreInfoEvent("phone_app_download");
    }
    store.setInteger(defaults_keys::checkPrivacyStatus, 1);
    Analytics::sendModeEvent("meeting");
    ASSERT_TRUE(server.waitForRequests(1));
    isGlobalRegion = false;
    Analytics::sendLaunchEvent();
    ASSERT_TRUE(china.waitForRequests(1));
    // A name with characters that must be escaped on their way into the query.
    Analytics::sendMoreInfoEvent("support page&c=d+e");
    ASSERT_TRUE(china.waitForRequests(2));
    // Path, site, category, action, name, value ("-" for none) and the four dimensions.
    const auto sent = [](const HttpTestServer::Request& event) {
        std::string line = event.path;
        for (const char* key : {"idsite", "e_c", "e_a", "e_n", "e_v", "dimension15", "dimension3",
                                "dimension13", "dimension5"}) {
            line += ' ';
            line += event.hasQueryKey(key) ? event.queryValue(key) : std::string("-");
        }
        return line;
    };
    const std::string dimensions = " - " + PersistedSettings::getDeviceUniqueID() + " 1.0.3 " +
                                   AppUtility::getModel().value_or("") + " linux";
    EXPECT_EQ(sent(server.requests()[0]), "/matomo.php 6 nb_driver nb_mode meeting" + dimensions);
    EXPECT_EQ(sent(china.requests()[0]), "/matomo.php 3 nb_driver nb_launch -" + dimensions);
    EXPECT_EQ(sent(china.requests()[1]),
              "/matomo.php 3 nb_driver nb_moreinfo support page&c=d+e" + dimensions);
}
