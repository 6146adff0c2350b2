#include "app/DefaultsKeys.h"
#include "app/NotificationNames.h"
#include "net/HttpClient.h"
#include "platform/MemoryUserDefaults.h"
#include "platform/NotificationCenter.h"
#include "region/AppUtility.h"
#include "support/CapturedLog.h"
#include "support/HttpTestServer.h"
#include "support/ScopedPlatform.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class RegionLookupTest : public ::testing::Test {
protected:
    RegionLookupTest() {
        isGlobalRegion = true;
        platform::NotificationCenter::defaultCenter().addObserver(
            this, notification_names::getRegion, [this] { ++posts; });
    }
    ~RegionLookupTest() override {
        platform::NotificationCenter::defaultCenter().removeObserver(this);
        isGlobalRegion = true;
    }

    // One lookup against a reply; waits for its "getRegion".
    void lookUp(HttpTestServer::Reply reply) {
        server.route("/json/", std::move(reply));
        const int before = posts;
        AppUtility::requestRegion(client, server.url(), "KEY123");
        ASSERT_TRUE(QTest::qWaitFor([&] { return posts > before; }, 20000));
        QTest::qWait(20);
        EXPECT_EQ(posts, before + 1);
    }

    [[nodiscard]] std::string url() const { return server.url("/json/?key=KEY123"); }

    HttpTestServer server;
    net::HttpClient client{{.stallLimit = 400ms}};
    CapturedLog log;
    int posts = 0;
};

} // namespace

TEST_F(RegionLookupTest, CountryCodesDecideTheRegionExactlyAsSpelled) {
    lookUp(HttpTestServer::json(R"({"status":"success","countryCode":"HK","city":"Hong Kong"})"));
    EXPECT_FALSE(isGlobalRegion);
    EXPECT_TRUE(log.contains(
        url() + R"( response data: {"city":"Hong Kong","countryCode":"HK","status":"success"})"));
    EXPECT_TRUE(log.contains("countryCode = HK"));
    ASSERT_EQ(server.requestCount(), 1);
    EXPECT_EQ(server.requests().front().target, "/json/?key=KEY123");

    lookUp(HttpTestServer::json(R"({"countryCode":"cn"})"));
    EXPECT_TRUE(isGlobalRegion);
    lookUp(HttpTestServer::json(R"({"countryCode":"MO"})"));
    EXPECT_FALSE(isGlobalRegion);
    lookUp(HttpTestServer::json(R"({"countryCode":"TW"})"));
    EXPECT_TRUE(isGlobalRegion);
    lookUp(HttpTestServer::json(R"({"countryCode":"CN"})"));
    EXPECT_FALSE(isGlobalRegion);
    lookUp(HttpTestServer::json(R"({"countryCode":""})"));
    EXPECT_TRUE(isGlobalRegion);
}

TEST_F(RegionLookupTest, AnswersWithoutACountryCodeKeepTheRegion) {
    lookUp(HttpTestServer::json(R"({"countryCode":"CN"})"));
    ASSERT_FALSE(isGlobalRegion);
    log.clear();

    // Right body, wrong content type: nothing decoded.
    lookUp(HttpTestServer::text(R"({"countryCode":"US"})", 200, "text/html"));
    EXPECT_FALSE(isGlobalRegion);
    EXPECT_TRUE(log.contains(url() + " response data: empty"));

    // Decoded, but no text country code.
    for (const std::string body : {R"({"countryCode":86})", R"(["CN"])", R"("US")", "null",
                                   R"({"status":"fail","message":"invalid key"})"}) {
        log.clear();
        lookUp(HttpTestServer::json(body));
        EXPECT_FALSE(isGlobalRegion) << body;
        EXPECT_TRUE(log.contains(url() + " response data: " + nlohmann::json::parse(body).dump()));
        for (const auto& line : log.lines()) {
            EXPECT_EQ(line.rfind("countryCode = ", 0), std::string::npos) << line;
        }
    }

    HttpTestServer::Reply stalled;
    stalled.behaviour = HttpTestServer::Behaviour::stallBeforeHeaders;
    HttpTestServer::Reply reset;
    reset.behaviour = HttpTestServer::Behaviour::reset;
    for (const auto& reply : {stalled, reset, HttpTestServer::redirect("/json/"),
                              HttpTestServer::json("{\"countryCode\":\"US\"")}) {
        lookUp(reply);
        EXPECT_FALSE(isGlobalRegion);
    }
    // A status outside 200–299 is not checked here: the content type alone decides.
    lookUp(HttpTestServer::json(R"({"countryCode":"US"})", 500));
    EXPECT_TRUE(isGlobalRegion);
}

TEST_F(RegionLookupTest, HostileCountryCodesCannotForgeLogLines) {
    lookUp(HttpTestServer::json(R"({"countryCode":"US\ncountryCode = CN"})"));
    EXPECT_TRUE(isGlobalRegion);
    EXPECT_TRUE(log.contains("countryCode = US\\ncountryCode = CN"));
    EXPECT_FALSE(log.contains("countryCode = CN"));
}

TEST(AppUtilityFactsTest, ModelComesFromTheFirstReadableSource) {
    QTemporaryDir dir;
    const std::filesystem::path root = dir.path().toStdString();
    writeFile(root / "product_name", "Standard PC (Q35 + ICH9, 2009)\n");
    writeFile(root / "model", std::string("Raspberry Pi 4 Model B Rev 1.4\0", 32));
    writeFile(root / "blank", "\n");
    writeFile(root / "latin1", "Th\xE9ra\n");

    EXPECT_EQ(AppUtility::getModel({root / "product_name", root / "model"}),
              "Standard PC (Q35 + ICH9, 2009)");
    EXPECT_EQ(
        AppUtility::getModel({root / "absent", root / "blank", root / "latin1", root / "model"}),
        "Raspberry Pi 4 Model B Rev 1.4");
    EXPECT_FALSE(AppUtility::getModel({root / "absent", root / "blank", root / "latin1"}));
    EXPECT_FALSE(AppUtility::getModel({root}));
    // Whatever this machine has, the answer is a non-empty text or nothing.
    if (const auto model = AppUtility::getModel()) {
        EXPECT_FALSE(model->empty());
    }
}

TEST(AppUtilityFactsTest, LastCheckStampIsStoredAndFlushed) {
    platform::MemoryUserDefaults store;
    ScopedPlatform scoped({.userDefaults = &store});
    AppUtility::saveLastCheckOTADate(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 678)));
    EXPECT_EQ(store.objectForKey(defaults_keys::lastCheckOTADate),
              platform::DefaultsValue(std::string("2026-01-02 03:04:05")));
    EXPECT_EQ(store.synchronizeCount(), 1);
}
