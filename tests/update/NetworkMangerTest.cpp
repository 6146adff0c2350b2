#include "update/NetworkManger.h"

#include "core/NotificationNames.h"
#include "core/ProcessState.h"
#include "platform/Bundle.h"
#include "platform/NotificationCenter.h"
#include "region/AppUtility.h"
#include "support/CapturedLog.h"
#include "support/HttpTestServer.h"
#include "support/ScopedPlatform.h"
#include "update/UpdateReply.h"

#include <QTest>
#include <gtest/gtest.h>

using Reply = HttpTestServer::Reply;

namespace {

std::string offer(const std::string& versionCode, const std::string& name = "1.0.4",
                  const std::string& resultCode = "9906") {
    return R"({"ResultCode":)" + resultCode + R"(,"getUpdateList":{"versionCode":")" + versionCode +
           R"(","downloadLink":"https://x/)" + name + R"(","versionName":")" + name + R"("}})";
}

} // namespace

TEST(UpdateReplyTest, VersionCodeAndEveryRuleThatMustHoldForAnOffer) {
    EXPECT_EQ(NetworkManger::versionCodeFor("1.2.13"), "1021300");
    EXPECT_EQ(NetworkManger::versionCodeFor("1.0.0b"), "10000b00");
    const std::string list = R"("getUpdateList":{"versionCode":"1000400","downloadLink":"l")";
    const std::vector<std::tuple<std::string, std::string, bool>> rows{
        {offer("1000400"), "1000300", true},
        {offer("1000300"), "1000300", false},
        {offer("1000200"), "1000300", false},
        {offer("1000400"), "10000b00", false},
        {offer("1000400", "n", "9905"), "1000300", false},
        {offer("1000400", "n", R"("9906")"), "1000300", false},
        {"{" + list + R"(,"versionName":"n","ResultCode":9906}})", "1000300", false},
        {R"({"ResultCode":9906,)" + list + "}}", "1000300", false},
        {R"({"ResultCode":9906,"getUpdateList":{"versionCode":1000400,"downloadLink":"l",)"
         R"("versionName":"n"}})",
         "1000300", false},
    };
    for (const auto& [reply, appCode, offered] : rows) {
        const auto result = UpdateReply::evaluate(nlohmann::json::parse(reply), appCode);
        EXPECT_EQ(result.has_value(), offered) << reply << " against " << appCode;
    }
    EXPECT_FALSE(UpdateReply::evaluate(std::nullopt, "1000300"));
}

// Version 1.0.3 (code 1000300) against a server answering both requests as the rows say.
TEST(NetworkMangerTest, ChecksLeaveTheOutcomeTableAskingForTheRegionsPackagesWithSixHeaders) {
    platform::Bundle bundle({.identifier = "com.lumatix.test", .version = "1.0.3"});
    ScopedPlatform scoped({.bundle = &bundle});
    HttpTestServer server;
    net::HttpClient client({.stallLimit = std::chrono::milliseconds(400)});
    NetworkManger manager(client, server.url());
    CapturedLog log;
    Reply normalReply;
    Reply forcedReply;
    server.setHandler([&](const HttpTestServer::Request& request) {
        return request.query.find(".forced") != std::string::npos ? forcedReply : normalReply;
    });
    int posts = 0;
    auto& center = platform::NotificationCenter::defaultCenter();
    center.addObserver(&posts, notification_names::checkOTADown, [&] { ++posts; });
    // One whole check, until "CheckOTADown" (the count at the end shows it came only once).
    const auto check = [&] {
        const int before = posts;
        manager.checkUpdate();
        return QTest::qWaitFor([&] { return posts > before; }, 20000);
    };

    const Reply none = HttpTestServer::json(R"({"ResultCode":9900})");
    const Reply normalOffer = HttpTestServer::json(offer("1000400", "1.0.4"));
    const Reply forcedOffer = HttpTestServer::json(offer("1000500", "1.0.5"));
    // Normal reply, forced reply, then the link, the name and the forced flag they leave.
    const std::vector<std::tuple<Reply, Reply, std::string, std::string, bool>> rows{
        {none, none, "", "", true}, // the flag is left from before
        {normalOffer, none, "https://x/1.0.4", "1.0.4", false},
        {none, forcedOffer, "https://x/1.0.5", "", true},
        {normalOffer, forcedOffer, "https://x/1.0.5", "1.0.4", true},
        // No answer to the normal request still leads to the forced one; failures are no offer.
        {HttpTestServer::silent(), forcedOffer, "https://x/1.0.5", "", true},
        {HttpTestServer::json(offer("1000400"), 500), HttpTestServer::silent(), "", "", true},
    };
    isForcedUpdate = true;
    for (const auto& [normal, forced, url, name, forcedFlag] : rows) {
        normalReply = normal;
        forcedReply = forced;
        EXPECT_TRUE(check()) << url;
        EXPECT_EQ(manager.newVersionUrl, url);
        EXPECT_EQ(manager.newVersionName, name) << url;
        EXPECT_EQ(isForcedUpdate, forcedFlag) << url;
    }
    EXPECT_TRUE(log.contains("newVersionName = 1.0.4"));
    // The forced reply is logged, also when there is none.
    EXPECT_TRUE(log.contains(R"({"ResultCode":9900})"));
    EXPECT_TRUE(log.contains("nil"));
    isGlobalRegion = false;
    EXPECT_TRUE(check());

    const std::vector<std::string> headers{"action: CheckAndroidVerInfo", "apiversion: 1.0",
                                           "language: zh_cn", "encoding-type: gzip",
                                           "content-type: application/json"};
    const auto requests = server.requests();
    for (std::size_t i = 0; i < requests.size(); ++i) {
        const std::string region = i + 2 < requests.size() ? "" : ".cn";
        EXPECT_EQ(requests[i].queryValue("packageName"),
                  "com.lumatix.test" + std::string(i % 2 == 0 ? "" : ".forced") + region);
        for (const std::string& header : headers) {
            const std::string name = header.substr(0, header.find(':'));
            EXPECT_EQ(name + ": " + requests[i].headers.at(name), header);
        }
        EXPECT_EQ(requests[i].headers.count("connection"), 1u);
    }
    const std::string path = "/tvservice_api/api/response.php?packageName=com.lumatix.test";
    EXPECT_TRUE(log.contains("url = " + server.url(path) + "&versionCode=1000300"));
    EXPECT_TRUE(log.contains("url cn = " + server.url(path) + ".forced&versionCode=1000300"));

    // Without a bundle version nothing is asked and nothing posted.
    platform::Bundle broken({.identifier = "com.lumatix.test"});
    ScopedPlatform withoutVersion({.bundle = &broken});
    manager.checkUpdate();
    QTest::qWait(50);
    EXPECT_EQ(server.requestCount(), static_cast<int>(requests.size()));
    EXPECT_EQ(posts, static_cast<int>(rows.size()) + 1);
    center.removeObserver(&posts);
    isGlobalRegion = true;
    isForcedUpdate = false;
}
