#include "region/AppUtility.h"

#include "core/DefaultsKeys.h"
#include "core/NotificationNames.h"
#include "core/ProcessState.h"
#include "net/HttpClient.h"
#include "platform/NotificationCenter.h"
#include "support/CapturedLog.h"
#include "support/HttpTestServer.h"
#include "support/MemoryUserDefaults.h"
#include "support/ScopedPlatform.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(RegionLookupTest, CountryCodesDecideTheRegionAndEveryAnswerPostsGetRegion) {
    const auto json = [](const std::string& body) { return HttpTestServer::json(body); };
    // Reply, region before, region after.
    const std::vector<std::tuple<HttpTestServer::Reply, bool, bool>> rows{
        {json(R"({"countryCode":"CN"})"), true, false},
        {json(R"({"countryCode":"HK"})"), true, false},
        {json(R"({"countryCode":"MO"})"), true, false},
        {json(R"({"countryCode":"cn"})"), false, true},
        {json(R"({"countryCode":"TW"})"), false, true},
        {json(R"({"countryCode":""})"), false, true},
        // Only the content type is validated, not the status.
        {HttpTestServer::json(R"({"countryCode":"US"})", 500), false, true},
        // A country code cannot forge a log line of its own.
        {json(R"({"countryCode":"US\ncountryCode = CN"})"), false, true},
        // Without a country code the region stays as it was.
        {HttpTestServer::text(R"({"countryCode":"CN"})"), true, true},
        {json(R"({"countryCode":"US")"), false, false},
        {HttpTestServer::silent(), false, false},
        {json(R"({"countryCode":86})"), true, true},
    };
    HttpTestServer server;
    net::HttpClient client{{.stallLimit = std::chrono::milliseconds(400)}};
    CapturedLog log;
    int posts = 0;
    auto& center = platform::NotificationCenter::defaultCenter();
    center.addObserver(&posts, notification_names::getRegion, [&] { ++posts; });
    for (std::size_t i = 0; i < rows.size(); ++i) {
        server.route("/json/", std::get<0>(rows[i]));
        isGlobalRegion = std::get<1>(rows[i]);
        AppUtility::requestRegion(client, server.url(), "KEY123");
        EXPECT_TRUE(QTest::qWaitFor([&] { return posts > static_cast<int>(i); }, 20000)) << i;
        QTest::qWait(20);
        EXPECT_EQ(posts, static_cast<int>(i) + 1) << i;
        EXPECT_EQ(isGlobalRegion, std::get<2>(rows[i])) << i;
        EXPECT_EQ(server.requests().back().target, "/json/?key=KEY123");
    }
    center.removeObserver(&posts);
    isGlobalRegion = true;
    const std::string answer = server.url("/json/?key=KEY123") + " response data: ";
    EXPECT_TRUE(log.contains(answer + R"({"countryCode":"HK"})"));
    EXPECT_TRUE(log.contains(answer + "empty"));
    EXPECT_TRUE(log.contains(R"(countryCode = US\ncountryCode = CN)"));
    EXPECT_EQ(log.count("countryCode = CN"), 1);
}

TEST(AppUtilityTest, IdentifierAndLastCheckStamp) {
    const std::vector<std::tuple<QDateTime, int, std::string>> rows{
        {QDateTime(QDate(2026, 12, 5), QTime(14, 3, 7, 42)), 7, "202612051403070420007"},
        // 30 December 2024 is in the first week of 2025.
        {QDateTime(QDate(2024, 12, 30), QTime(0, 0)), 9998, "202512300000000009998"}};

    for (const auto& [time, number, expected] : rows) {
        EXPECT_EQ(AppUtility::makeDeviceUniqueID(time, number), expected);
    }

    platform::MemoryUserDefaults store;
    ScopedPlatform scoped({.userDefaults = &store});
    AppUtility::saveLastCheckOTADate(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 678)));
    EXPECT_EQ(store.objectForKey(defaults_keys::lastCheckOTADate),
              platform::DefaultsValue(std::string("2026-01-02 03:04:05")));
    EXPECT_EQ(store.synchronizeCount(), 1);
}
