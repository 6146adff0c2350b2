#include "net/HttpClient.h"

#include "net/DataRequest.h"
#include "net/JsonDecoder.h"
#include "support/HttpTestServer.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using Reply = HttpTestServer::Reply;
using nlohmann::json;

namespace {

struct JsonOutcome {
    int calls = 0;
    bool onMainThread = true;
    std::optional<json> value;
};

// Runs one JSON request with status (else content-type) validation to its end, then gives a
// late second answer the chance to show up.
JsonOutcome fetchJson(net::HttpClient& client, const std::string& url, bool byContentType) {
    auto outcome = std::make_shared<JsonOutcome>();
    auto request = client.request(url);
    byContentType ? request->validate(std::vector<std::string>{"application/json"})
                  : request->validate();
    request->responseJSON([outcome](const std::optional<json>& value) {
        ++outcome->calls;
        outcome->onMainThread = QThread::currentThread() == qApp->thread();
        outcome->value = value;
    });
    // The caller lets go at once; the client keeps the request going.
    request.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return outcome->calls > 0; }, 20000));
    QTest::qWait(20);
    return *outcome;
}

} // namespace

TEST(HttpClientTest, EveryRequestAnswersOnceOnTheMainThreadWithAValueOnlyWhenItPasses) {
    HttpTestServer server;
    net::HttpClient client({.stallLimit = 400ms, .maxJsonBodyBytes = 64 * 1024});
    const std::string deep(net::JsonDecoder::maxDepth + 1, '[');
    // Path, reply, content-type (else status) validation, the value handed over.
    const std::vector<std::tuple<std::string, Reply, bool, std::optional<json>>> cases{
        {"/object", HttpTestServer::json(R"({"a":[1]})"), false, json::parse(R"({"a":[1]})")},
        {"/fragment", HttpTestServer::json("42"), false, 42},
        // Status validation: 200–299, whatever the content type.
        {"/299", HttpTestServer::text("true", 299), false, true},
        {"/404", HttpTestServer::json("1", 404), false, std::nullopt},
        // Content-type validation: the status is not looked at, parameters are ignored.
        {"/typed-404", HttpTestServer::json("1", 404), true, 1},
        {"/html", HttpTestServer::text("1"), true, std::nullopt},
        {"/charset", HttpTestServer::text("1", 200, "Application/JSON; charset=utf-8"), true, 1},
        {"/untyped", HttpTestServer::text("{}", 200, ""), true, std::nullopt},
        {"/broken", HttpTestServer::json("{\"a\":1"), false, std::nullopt},
        {"/too-deep", HttpTestServer::json(deep + std::string(deep.size(), ']')), false, {}},
        // Brackets inside strings are no nesting.
        {"/brackets", HttpTestServer::json("[\"" + deep + "\"]"), false, json::array({deep})},
        {"/too-big", HttpTestServer::json('"' + std::string(65 * 1024, 'x') + '"'), false, {}},
        {"/stalled", HttpTestServer::silent(), false, std::nullopt},
        {"/moved", HttpTestServer::redirect(server.url("/fragment")), false, 42},
        {"/to-file", HttpTestServer::redirect("file:///etc/hostname"), false, std::nullopt},
    };
    for (const auto& [path, reply, byContentType, expected] : cases) {
        server.route(path, reply);
    }
    for (const auto& [path, reply, byContentType, expected] : cases) {
        const auto outcome = fetchJson(client, server.url(path), byContentType);
        EXPECT_EQ(outcome.calls, 1) << path;
        EXPECT_TRUE(outcome.onMainThread) << path;
        EXPECT_EQ(outcome.value, expected) << path;
    }
    // Neither the redirect to a file nor a direct file address is read.
    const int before = server.requestCount();
    EXPECT_FALSE(fetchJson(client, "file:///etc/hostname", false).value);
    EXPECT_EQ(server.requestCount(), before);
}

TEST(HttpClientTest, ACancelledRequestAnswersOnceAndNeverInsideTheCall) {
    HttpTestServer server;
    server.route("/silent", HttpTestServer::silent());
    net::HttpClient client;
    int calls = 0;
    auto request = client.request(server.url("/silent"));
    request->responseJSON([&](const std::optional<json>& value) {
        ++calls;
        EXPECT_FALSE(value.has_value());
    });
    ASSERT_TRUE(server.waitForRequests(1));
    request->cancel();
    EXPECT_EQ(calls, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls > 0; }, 20000));
    request->cancel();
    QTest::qWait(20);
    EXPECT_EQ(calls, 1);
}
