#include "net/HttpClient.h"

#include "net/DataRequest.h"
#include "net/DownloadRequest.h"
#include "net/JsonDecoder.h"
#include "support/FileSizeLimit.h"
#include "support/HttpTestServer.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using nlohmann::json;

namespace {

// What the handler of one request was called with, and how often (always on the main thread).
struct Outcome {
    int calls = 0;
    std::optional<json> value;
    net::DownloadResponse download;
    std::vector<double> progress;
    void called() {
        ++calls;
        EXPECT_EQ(QThread::currentThread(), qApp->thread());
    }
};

class HttpClientTest : public ::testing::Test {
protected:
    Outcome fetchJson(const std::string& url, bool byContentType) {
        auto outcome = std::make_shared<Outcome>();
        auto request = client.request(url);
        byContentType ? request->validate(std::vector<std::string>{"application/json"})
                      : request->validate();
        request->responseJSON([outcome](const std::optional<json>& value) {
            outcome->called();
            outcome->value = value;
        });
        EXPECT_EQ(outcome->calls, 0); // never inside the call
        request.reset();
        return finish(outcome);
    }
    // A download to destination, cancelled at its first progress report if asked.
    Outcome download(const std::string& path, bool cancelOnProgress) {
        auto outcome = std::make_shared<Outcome>();
        auto request = client.download(server.url(path), destination);
        std::weak_ptr<net::DownloadRequest> weak = request;
        request
            ->downloadProgress([outcome, weak, cancelOnProgress](double fraction) {
                outcome->progress.push_back(fraction);
                if (auto strong = weak.lock(); strong && cancelOnProgress) {
                    strong->cancel();
                }
            })
            .response([outcome](const net::DownloadResponse& response) {
                outcome->called();
                outcome->download = response;
            });
        EXPECT_EQ(outcome->calls, 0);
        request.reset();
        return finish(outcome);
    }
    // The caller lets go of the request at once; the client keeps it going to its end and
    // answers once: a late second answer gets the chance to show up.
    static Outcome finish(const std::shared_ptr<Outcome>& outcome) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return outcome->calls > 0; }, 30000));
        QTest::qWait(20);
        EXPECT_EQ(outcome->calls, 1);
        return *outcome;
    }

    HttpTestServer server;
    net::HttpClient client{{.stallLimit = 400ms, .maxJsonBodyBytes = 64 * 1024}};
    QTemporaryDir dir;
    std::filesystem::path destination = dir.path().toStdString() + "/Downloads/image.dmg";
};

} // namespace

TEST_F(HttpClientTest, EveryRequestAnswersOnceOnTheMainThreadWithAValueOnlyWhenItPasses) {
    const std::string deep(net::JsonDecoder::maxDepth + 1, '[');
    // Path, reply, content-type (else status) validation, the value handed over. Refused
    // statuses, types and redirects, broken JSON and silence: the callers' and download tests.
    using Case = std::tuple<std::string, HttpTestServer::Reply, bool, std::optional<json>>;
    const std::vector<Case> cases{
        {"/fragment", HttpTestServer::json("42"), false, 42},
        // Status validation: 200–299, whatever the content type.
        {"/299", HttpTestServer::json("true", 299, "text/html"), false, true},
        // Content-type validation: parameters and case are ignored.
        {"/charset", HttpTestServer::json("1", 200, "Application/JSON; charset=utf-8"), true, 1},
        {"/too-deep", HttpTestServer::json(deep + std::string(deep.size(), ']')), false, {}},
        {"/brackets", HttpTestServer::json("[\"" + deep + "\"]"), false,
         json::array({deep})}, // no nesting
        {"/too-big", HttpTestServer::json('"' + std::string(65 * 1024, 'x') + '"'), false, {}},
        {"/moved", HttpTestServer::redirect(server.url("/fragment")), false, 42},
    };
    for (const auto& [path, reply, byContentType, expected] : cases) {
        server.route(path, reply); // "/fragment" first: "/moved" leads there
        EXPECT_EQ(fetchJson(server.url(path), byContentType).value, expected) << path;
    }
}

// A whole body replaces the old file; any failure keeps it and leaves no partial file.
TEST_F(HttpClientTest, OnlyACompleteDownloadReplacesTheFile) {
    const std::string image = std::string(3 * 1024 * 1024, 'i') + "end";
    server.route("/image.dmg", HttpTestServer::json(image, 200, "application/octet-stream"));
    server.route("/stalled", HttpTestServer::silent());
    server.route("/to-ftp", HttpTestServer::redirect("ftp://127.0.0.1/image.dmg"));
    // Path, how the error starts (none: success), cancel at the first progress, disk full.
    const std::vector<std::tuple<std::string, std::optional<std::string>, bool, bool>> cases{
        {"/image.dmg", std::nullopt, false, false},
        {"/missing", "status 404", false, false},
        {"/stalled", "no data for 400 ms", false, false},
        {"/image.dmg", "cancelled", true, false},
        {"/image.dmg", "cannot write beside", false, true},
        {"/to-ftp", "", false, false},
    };
    for (const auto& [path, error, cancel, diskFull] : cases) {
        writeFile(destination, "good image");
        const Outcome outcome = [&] {
            FileSizeLimit limit(diskFull ? 256 * 1024 : RLIM_INFINITY);
            return download(path, cancel);
        }();
        EXPECT_EQ(outcome.download.error.value_or("-").rfind(error.value_or("-"), 0), 0u) << path;
        EXPECT_EQ(outcome.download.destinationURL.has_value(), !error) << path;
        EXPECT_EQ(filesIn(destination.parent_path()).size(), 1u);
        EXPECT_TRUE(readFile(destination) == (error ? "good image" : image)) << path;
    }
    // Missing folders on the way are created; the progress rises to one.
    std::filesystem::remove_all(destination.parent_path());
    const Outcome fresh = download("/image.dmg", false);
    EXPECT_TRUE(readFile(destination) == image);
    EXPECT_TRUE(!fresh.progress.empty() && std::ranges::is_sorted(fresh.progress) &&
                fresh.progress.back() == 1.0);
}
