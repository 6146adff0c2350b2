#include "update/NetworkManger.h"

#include "app/NotificationNames.h"
#include "net/HttpClient.h"
#include "platform/Bundle.h"
#include "platform/NotificationCenter.h"
#include "region/AppUtility.h"
#include "support/CapturedLog.h"
#include "support/HttpTestServer.h"
#include "support/ScopedPlatform.h"
#include "update/UpdateReply.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using Reply = HttpTestServer::Reply;

namespace {

constexpr const char* bundleId = "com.lumatix.test";
constexpr const char* endpoint = "/tvservice_api/api/response.php";

std::string offer(const std::string& versionCode, const std::string& link, const std::string& name,
                  int resultCode = 9906) {
    return nlohmann::json{
        {"ResultCode", resultCode},
        {"getUpdateList",
         {{"versionCode", versionCode}, {"downloadLink", link}, {"versionName", name}}}}
        .dump();
}

class NetworkMangerTest : public ::testing::Test {
protected:
    NetworkMangerTest() {
        isGlobalRegion = true;
        isForcedUpdate = false;
        platform::NotificationCenter::defaultCenter().addObserver(
            this, notification_names::checkOTADown, [this] { ++posts; });
        server.setHandler([this](const HttpTestServer::Request& request) {
            const bool forced =
                request.queryValue("packageName").find(".forced") != std::string::npos;
            return forced ? forcedReply : normalReply;
        });
    }
    ~NetworkMangerTest() override {
        platform::NotificationCenter::defaultCenter().removeObserver(this);
        isGlobalRegion = true;
        isForcedUpdate = false;
    }

    // One whole check; true when "CheckOTADown" came, exactly once.
    bool check() {
        const int before = posts;
        manager.checkUpdate();
        if (!QTest::qWaitFor([&] { return posts > before; }, 20000)) {
            return false;
        }
        QTest::qWait(20);
        return posts == before + 1;
    }

    platform::Bundle bundle{{.identifier = bundleId, .version = "1.0.3"}};
    ScopedPlatform scoped{{.bundle = &bundle}};
    HttpTestServer server;
    net::HttpClient client{{.stallLimit = 400ms}};
    NetworkManger manager{client, server.url()};
    CapturedLog log;
    Reply normalReply = HttpTestServer::json(R"({"ResultCode":9900})");
    Reply forcedReply = HttpTestServer::json(R"({"ResultCode":9900})");
    int posts = 0;
};

} // namespace

TEST(VersionCodeTest, PiecesBelowTenGetALeadingZeroThenTheFirstCharacterGoes) {
    EXPECT_EQ(NetworkManger::versionCodeFor("1.0.3"), "1000300");
    EXPECT_EQ(NetworkManger::versionCodeFor("1.2.13"), "1021300");
    EXPECT_EQ(NetworkManger::versionCodeFor("2.10.1"), "2100100");
    EXPECT_EQ(NetworkManger::versionCodeFor("1..0.3."), "1000300");
    EXPECT_EQ(NetworkManger::versionCodeFor("12"), "200");
    // A piece that is not a number is kept with a leading zero: the code is no number then.
    EXPECT_EQ(NetworkManger::versionCodeFor("1.0.0b"), "10000b00");
    EXPECT_FALSE(UpdateReply::readInteger(*NetworkManger::versionCodeFor("1.0.0b")));
    // Nothing to drop a first character from.
    EXPECT_FALSE(NetworkManger::versionCodeFor(""));
    EXPECT_FALSE(NetworkManger::versionCodeFor("..."));

    platform::Bundle without({.identifier = bundleId});
    ScopedPlatform scoped({.bundle = &without});
    EXPECT_FALSE(NetworkManger::getVersionCode());
}

TEST(UpdateReplyTest, EveryRuleMustHoldForAnOffer) {
    const auto reply = [](const std::string& text) { return nlohmann::json::parse(text); };
    const std::string good = offer("1000400", "https://x/a.dmg", "1.0.4");
    ASSERT_TRUE(UpdateReply::evaluate(reply(good), "1000300"));
    EXPECT_EQ(UpdateReply::evaluate(reply(good), "1000300")->downloadLink, "https://x/a.dmg");

    EXPECT_FALSE(UpdateReply::evaluate(reply(good), "1000400")) << "equal code";
    EXPECT_FALSE(UpdateReply::evaluate(reply(good), "1000500")) << "older server code";
    EXPECT_FALSE(UpdateReply::evaluate(reply(offer("1000400", "l", "n", 9905)), "1000300"));
    EXPECT_FALSE(UpdateReply::evaluate(
        reply(R"({"getUpdateList":{"ResultCode":9906,"versionCode":"1000400",)"
              R"("downloadLink":"l","versionName":"n"}})"),
        "1000300"))
        << "result code inside the list only";
    EXPECT_FALSE(
        UpdateReply::evaluate(reply(R"({"ResultCode":9906,"getUpdateList":{"versionCode":1000400,)"
                                    R"("downloadLink":"l","versionName":"n"}})"),
                              "1000300"))
        << "numeric versionCode";
    EXPECT_FALSE(UpdateReply::evaluate(
        reply(R"({"ResultCode":"9906","getUpdateList":{"versionCode":"1000400",)"
              R"("downloadLink":"l","versionName":"n"}})"),
        "1000300"))
        << "textual ResultCode";
    EXPECT_FALSE(UpdateReply::evaluate(
        reply(R"({"ResultCode":9906.5,"getUpdateList":{"versionCode":"1000400",)"
              R"("downloadLink":"l","versionName":"n"}})"),
        "1000300"));
    EXPECT_FALSE(UpdateReply::evaluate(
        reply(
            R"({"ResultCode":9906,"getUpdateList":{"versionCode":"1000400","downloadLink":"l"}})"),
        "1000300"))
        << "no versionName";
    EXPECT_FALSE(
        UpdateReply::evaluate(reply(R"({"ResultCode":9906,"getUpdateList":[]})"), "1000300"));
    EXPECT_FALSE(UpdateReply::evaluate(reply(good), "10000b00")) << "application code no number";
    EXPECT_FALSE(UpdateReply::evaluate(reply(offer("", "l", "n")), "1000300"));
    EXPECT_FALSE(UpdateReply::evaluate(reply(offer("99999999999999999999", "l", "n")), "1000300"))
        << "server code beyond 64 bits";
    EXPECT_TRUE(UpdateReply::evaluate(reply(offer("+1000400", "l", "n")), "1000300"));
    EXPECT_FALSE(UpdateReply::evaluate(reply(offer(" 1000400", "l", "n")), "1000300"));
    EXPECT_FALSE(UpdateReply::evaluate(reply("[1]"), "1000300"));
    EXPECT_FALSE(UpdateReply::evaluate(std::nullopt, "1000300"));
}

TEST_F(NetworkMangerTest, RequestsCarryThePackageNamesHeadersAndLines) {
    ASSERT_TRUE(check());
    const std::string base = server.url(endpoint);
    ASSERT_EQ(server.requestCount(), 2);
    const auto normal = server.requests()[0];
    const auto forced = server.requests()[1];
    EXPECT_EQ(normal.target,
              std::string(endpoint) + "?packageName=com.lumatix.test&versionCode=1000300");
    EXPECT_EQ(forced.target,
              std::string(endpoint) + "?packageName=com.lumatix.test.forced&versionCode=1000300");
    for (const auto& request : {normal, forced}) {
        EXPECT_EQ(request.headers.at("action"), "CheckAndroidVerInfo");
        EXPECT_EQ(request.headers.at("apiversion"), "1.0");
        EXPECT_EQ(request.headers.at("language"), "zh_cn");
        EXPECT_EQ(request.headers.at("encoding-type"), "gzip");
        EXPECT_EQ(request.headers.at("content-type"), "application/json");
        EXPECT_EQ(request.headers.count("connection"), 1u);
    }
    EXPECT_TRUE(
        log.contains("url = " + base + "?packageName=com.lumatix.test&versionCode=1000300"));
    EXPECT_TRUE(log.contains("url cn = " + base +
                             "?packageName=com.lumatix.test.forced&versionCode=1000300"));
    EXPECT_TRUE(log.contains(R"({"ResultCode":9900})"));

    isGlobalRegion = false;
    ASSERT_TRUE(check());
    EXPECT_EQ(server.requests()[2].queryValue("packageName"), "com.lumatix.test.cn");
    EXPECT_EQ(server.requests()[3].queryValue("packageName"), "com.lumatix.test.forced.cn");
}

TEST_F(NetworkMangerTest, OutcomeTable) {
    const Reply none = HttpTestServer::json(R"({"ResultCode":9900})");
    const Reply normalOffer = HttpTestServer::json(offer("1000400", "https://x/n.dmg", "1.0.4"));
    const Reply forcedOffer = HttpTestServer::json(offer("1000500", "https://x/f.dmg", "1.0.5"));
    struct Row {
        Reply normal, forced;
        std::string url, name;
        bool forcedFlag;
    };
    const std::vector<Row> rows{
        {none, none, "", "", true}, // the flag is left from the previous row's check
        {normalOffer, none, "https://x/n.dmg", "1.0.4", false},
        {none, forcedOffer, "https://x/f.dmg", "", true},
        {normalOffer, forcedOffer, "https://x/f.dmg", "1.0.4", true},
    };
    isForcedUpdate = true;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        normalReply = rows[i].normal;
        forcedReply = rows[i].forced;
        ASSERT_TRUE(check()) << i;
        EXPECT_EQ(manager.newVersionUrl, rows[i].url) << i;
        EXPECT_EQ(manager.newVersionName, rows[i].name) << i;
        EXPECT_EQ(isForcedUpdate, rows[i].forcedFlag) << i;
    }
    EXPECT_TRUE(log.contains("newVersionName = 1.0.4"));
}

TEST_F(NetworkMangerTest, AFailedNormalRequestStillGoesOnToTheForcedOne) {
    normalReply.behaviour = HttpTestServer::Behaviour::reset;
    forcedReply = HttpTestServer::json(offer("1000500", "https://x/f.dmg", "1.0.5"));
    ASSERT_TRUE(check());
    EXPECT_EQ(manager.newVersionUrl, "https://x/f.dmg");
    EXPECT_EQ(manager.newVersionName, "");
    EXPECT_TRUE(isForcedUpdate);

    // Offers behind a failing status, a stall or a wrong body count as none.
    normalReply = HttpTestServer::json(offer("1000400", "https://x/n.dmg", "1.0.4"), 500);
    forcedReply.behaviour = HttpTestServer::Behaviour::stallBeforeHeaders;
    log.clear();
    ASSERT_TRUE(check());
    EXPECT_EQ(manager.newVersionUrl, "");
    EXPECT_EQ(manager.newVersionName, "");
    EXPECT_TRUE(log.contains("nil"));
}

TEST_F(NetworkMangerTest, WithoutAVersionCodeNothingIsAskedOrPosted) {
    for (const auto& version :
         {std::optional<std::string>(), std::optional<std::string>("..")}) {
        platform::Bundle broken({.identifier = bundleId, .version = version});
        ScopedPlatform scoped({.bundle = &broken});
        manager.checkUpdate();
        QTest::qWait(50);
    }
    EXPECT_EQ(server.requestCount(), 0);
    EXPECT_EQ(posts, 0);
    EXPECT_TRUE(log.contains("no version code for version \"..\""));

    // With a version that is no number every reply is no offer.
    platform::Bundle beta({.identifier = bundleId, .version = "1.0.0b"});
    ScopedPlatform scoped({.bundle = &beta});
    normalReply = HttpTestServer::json(offer("9999999", "https://x/n.dmg", "9"));
    forcedReply = normalReply;
    ASSERT_TRUE(check());
    EXPECT_EQ(manager.newVersionUrl, "");
}

TEST_F(NetworkMangerTest, RepliesAfterTheClientIsGoneAreIgnored) {
    normalReply.behaviour = HttpTestServer::Behaviour::stallAfterPartialBody;
    normalReply.stallAfterBytes = 3;
    {
        NetworkManger shortLived(client, server.url());
        shortLived.checkUpdate();
        ASSERT_TRUE(server.waitForRequests(1));
    }
    // The stalled reply fails; its handler finds the client gone.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const auto lines = log.lines();
            return std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
                return line.rfind("request failed: ", 0) == 0;
            });
        },
        20000));
    QTest::qWait(20);
    EXPECT_EQ(posts, 0);
    EXPECT_EQ(server.requestCount(), 1);
}
