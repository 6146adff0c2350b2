#include "net/HttpClient.h"

#include "net/DataRequest.h"
#include "support/CapturedLog.h"
#include "support/HttpTestServer.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using Reply = HttpTestServer::Reply;
using Behaviour = HttpTestServer::Behaviour;

namespace {

// Long enough for a loaded machine, short enough to keep the suite quick.
constexpr auto shortStall = 400ms;

struct JsonOutcome {
    int calls = 0;
    bool onMainThread = true;
    std::optional<nlohmann::json> value;
};

// Runs one JSON request to completion, then gives late duplicates a chance to show up.
JsonOutcome fetchJson(net::HttpClient& client, const std::string& url,
                      std::function<void(net::DataRequest&)> setUp = {}) {
    auto outcome = std::make_shared<JsonOutcome>();
    {
        auto request = client.request(url);
        if (setUp) {
            setUp(*request);
        }
        request->responseJSON([outcome](const std::optional<nlohmann::json>& value) {
            ++outcome->calls;
            outcome->onMainThread = QThread::currentThread() == qApp->thread();
            outcome->value = value;
        });
        // The caller lets go at once; the client keeps the request going.
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return outcome->calls > 0; }, 20000));
    QTest::qWait(20);
    return *outcome;
}

void statusOnly(net::DataRequest& request) {
    request.validate();
}

void jsonOnly(net::DataRequest& request) {
    request.validate(std::vector<std::string>{"application/json"});
}

} // namespace

TEST(HttpClientTest, JsonRepliesOfEveryTopLevelShapeArriveOnceOnTheMainThread) {
    HttpTestServer server;
    net::HttpClient client;
    const std::vector<std::pair<std::string, nlohmann::json>> cases{
        {R"({"a":[1,2,{"b":null}]})", nlohmann::json::parse(R"({"a":[1,2,{"b":null}]})")},
        {"[]", nlohmann::json::array()},
        {R"("text")", "text"},
        {"42", 42},
        {"true", true},
        {"null", nullptr},
        {"\xEF\xBB\xBF{\"k\":1}", nlohmann::json{{"k", 1}}},
    };
    for (const auto& [body, expected] : cases) {
        server.route("/r", HttpTestServer::json(body));
        const auto outcome = fetchJson(client, server.url("/r"), statusOnly);
        EXPECT_EQ(outcome.calls, 1) << body;
        EXPECT_TRUE(outcome.onMainThread);
        ASSERT_TRUE(outcome.value.has_value()) << body;
        EXPECT_EQ(*outcome.value, expected) << body;
    }
    // Chunked transfer encoding is reassembled.
    Reply chunked = HttpTestServer::json(R"({"countryCode":"TW","more":"padding padding"})");
    chunked.behaviour = Behaviour::chunked;
    chunked.chunkSize = 3;
    server.route("/chunked", chunked);
    const auto outcome = fetchJson(client, server.url("/chunked"), jsonOnly);
    ASSERT_TRUE(outcome.value.has_value());
    EXPECT_EQ((*outcome.value)["countryCode"], "TW");
}

TEST(HttpClientTest, ValidationFollowsTheChosenRule) {
    HttpTestServer server;
    net::HttpClient client;
    // Status validation: only 200–299 passes, whatever the body.
    server.route("/missing", HttpTestServer::json(R"({"ResultCode":9906})", 404));
    EXPECT_FALSE(fetchJson(client, server.url("/missing"), statusOnly).value.has_value());
    server.route("/html", HttpTestServer::text(R"({"ResultCode":9906})", 200, "text/html"));
    EXPECT_TRUE(fetchJson(client, server.url("/html"), statusOnly).value.has_value());

    // Content-type validation: the status is not looked at, parameters are ignored.
    EXPECT_TRUE(fetchJson(client, server.url("/missing"), jsonOnly).value.has_value());
    EXPECT_FALSE(fetchJson(client, server.url("/html"), jsonOnly).value.has_value());
    server.route("/charset", HttpTestServer::text("1", 200, "Application/JSON; charset=utf-8"));
    EXPECT_TRUE(fetchJson(client, server.url("/charset"), jsonOnly).value.has_value());
    server.route("/untyped", HttpTestServer::text("{}", 200, ""));
    EXPECT_FALSE(fetchJson(client, server.url("/untyped"), jsonOnly).value.has_value());

    // 204 with nothing in it reads as null; other empty bodies as nothing.
    server.route("/none", HttpTestServer::text("", 204, ""));
    const auto none = fetchJson(client, server.url("/none"), jsonOnly);
    ASSERT_TRUE(none.value.has_value());
    EXPECT_TRUE(none.value->is_null());
    server.route("/empty", HttpTestServer::json(""));
    EXPECT_FALSE(fetchJson(client, server.url("/empty"), statusOnly).value.has_value());
}

TEST(HttpClientTest, BadBodiesGiveNoValueAndALine) {
    HttpTestServer server;
    net::HttpClient client({.stallLimit = 20s, .maxJsonBodyBytes = 64 * 1024});
    CapturedLog log;
    const std::vector<std::string> bodies{
        "{",
        "{\"a\":1} trailing",
        "\xFF\xFE{\x00}",
        "{\"a\":\"\xC3\x28\"}",
        "NaN",
        std::string(100000, '[') + std::string(100000, ']'),
    };
    for (const auto& body : bodies) {
        server.route("/bad", HttpTestServer::json(body));
        const auto outcome = fetchJson(client, server.url("/bad"), statusOnly);
        EXPECT_EQ(outcome.calls, 1);
        EXPECT_FALSE(outcome.value.has_value()) << body.substr(0, 40);
    }
    EXPECT_TRUE(log.contains("reply is not JSON: " + server.url("/bad")));

    // A reply past the size limit is dropped before it is all in memory.
    Reply huge = HttpTestServer::json("");
    huge.generatedBytes = 8 * 1024 * 1024;
    server.route("/huge", huge);
    EXPECT_FALSE(fetchJson(client, server.url("/huge"), statusOnly).value.has_value());
    EXPECT_TRUE(
        log.contains("request failed: " + server.url("/huge") + ": reply larger than 65536 bytes"));
}

TEST(HttpClientTest, MisbehavingServersEndInAFailureNotAHang) {
    HttpTestServer server;
    net::HttpClient client({.stallLimit = shortStall});
    CapturedLog log;

    Reply silent;
    silent.behaviour = Behaviour::stallBeforeHeaders;
    server.route("/silent", silent);
    EXPECT_FALSE(fetchJson(client, server.url("/silent"), statusOnly).value.has_value());
    EXPECT_TRUE(log.contains("request failed: " + server.url("/silent") + ": no data for 400 ms"));

    Reply partial = HttpTestServer::json(R"({"countryCode":"CN"})");
    partial.behaviour = Behaviour::stallAfterPartialBody;
    partial.stallAfterBytes = 5;
    server.route("/partial", partial);
    EXPECT_FALSE(fetchJson(client, server.url("/partial"), jsonOnly).value.has_value());

    Reply reset;
    reset.behaviour = Behaviour::reset;
    server.route("/reset", reset);
    EXPECT_FALSE(fetchJson(client, server.url("/reset"), statusOnly).value.has_value());

    server.route("/loop", HttpTestServer::redirect("/loop"));
    EXPECT_FALSE(fetchJson(client, server.url("/loop"), jsonOnly).value.has_value());

    // A redirect that is followed ends at the target.
    server.route("/moved", HttpTestServer::redirect(server.url("/target"), 301));
    server.route("/target", HttpTestServer::json("[1]"));
    const auto moved = fetchJson(client, server.url("/moved"), statusOnly);
    ASSERT_TRUE(moved.value.has_value());
    EXPECT_EQ(*moved.value, nlohmann::json::array({1}));

    // Nobody listening.
    std::string closedUrl;
    {
        HttpTestServer gone;
        closedUrl = gone.url("/x");
    }
    EXPECT_FALSE(fetchJson(client, closedUrl, statusOnly).value.has_value());
}

TEST(HttpClientTest, OnlyHttpAndHttpsOnLoopbackAreFetched) {
    HttpTestServer server;
    net::HttpClient client;
    CapturedLog log;
    const int before = client.startedCount();
    for (const std::string url : {"file:///etc/passwd", "ftp://127.0.0.1/x", "data:,1", "",
                                  "::", "http://192.0.2.1/never", "https://example.com/never"}) {
        const auto outcome = fetchJson(client, url, statusOnly);
        EXPECT_EQ(outcome.calls, 1) << url;
        EXPECT_FALSE(outcome.value.has_value()) << url;
    }
    EXPECT_EQ(client.startedCount(), before);
    EXPECT_TRUE(log.contains("request failed: file:///etc/passwd: scheme \"file\" is not fetched"));

    // Redirects are held to the same rule.
    server.route("/to-file", HttpTestServer::redirect("file:///etc/hostname"));
    EXPECT_FALSE(fetchJson(client, server.url("/to-file"), statusOnly).value.has_value());
    EXPECT_EQ(server.requestCount(), 1);
}

TEST(HttpClientTest, CancelledOrOrphanedRequestsStillAnswerOnce) {
    HttpTestServer server;
    Reply silent;
    silent.behaviour = Behaviour::stallBeforeHeaders;
    server.route("/silent", silent);

    net::HttpClient client;
    CapturedLog log;
    int calls = 0;
    auto request = client.request(server.url("/silent"));
    request->responseJSON([&](const std::optional<nlohmann::json>& value) {
        ++calls;
        EXPECT_FALSE(value.has_value());
    });
    ASSERT_TRUE(server.waitForRequests(1));
    request->cancel();
    // Never inside the caller's own call.
    EXPECT_EQ(calls, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls > 0; }, 20000));
    request->cancel();
    QTest::qWait(20);
    EXPECT_EQ(calls, 1);

    // A client that goes away hands every running request its failure.
    int orphanCalls = 0;
    {
        net::HttpClient shortLived;
        shortLived.request(server.url("/silent"))
            ->responseJSON([&](const std::optional<nlohmann::json>& value) {
                ++orphanCalls;
                EXPECT_FALSE(value.has_value());
            });
        ASSERT_TRUE(server.waitForRequests(2));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return orphanCalls > 0; }, 20000));
    EXPECT_EQ(orphanCalls, 1);
    EXPECT_TRUE(
        log.contains("request failed: " + server.url("/silent") + ": the client was shut down"));
}

TEST(HttpClientTest, RequestSendsItsHeadersAndResponseReportsTheStatus) {
    HttpTestServer server;
    server.route("/h", HttpTestServer::text("", 204, ""));
    net::HttpClient client;
    std::optional<net::HttpResponse> got;
    client.request(server.url("/h?a=1"), {{"Action", "Check"}, {"X-Two", "2"}})
        ->response([&](const net::HttpResponse& response) { got = response; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return got.has_value(); }, 20000));
    EXPECT_FALSE(got->error.has_value());
    EXPECT_EQ(got->statusCode, 204);
    ASSERT_EQ(server.requestCount(), 1);
    const auto request = server.requests().front();
    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.target, "/h?a=1");
    EXPECT_EQ(request.headers.at("action"), "Check");
    EXPECT_EQ(request.headers.at("x-two"), "2");
}
