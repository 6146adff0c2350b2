#include "net/DownloadRequest.h"

#include "net/HttpClient.h"
#include "support/CapturedLog.h"
#include "support/FileSizeLimit.h"
#include "support/HttpTestServer.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using Reply = HttpTestServer::Reply;
using Behaviour = HttpTestServer::Behaviour;

namespace {

struct Outcome {
    int calls = 0;
    net::DownloadResponse response;
    std::vector<double> progress;
    bool progressOnMainThread = true;
};

class DownloadRequestTest : public ::testing::Test {
protected:
    // Everything in the folder, so a stray temporary file shows up.
    [[nodiscard]] std::vector<std::string> filesIn(const std::filesystem::path& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    Outcome run(const std::string& url, const std::filesystem::path& destination,
                std::function<void(net::DownloadRequest&, double)> onProgress = {}) {
        auto outcome = std::make_shared<Outcome>();
        auto request = client.download(url, destination);
        std::weak_ptr<net::DownloadRequest> weak = request;
        request
            ->downloadProgress([outcome, weak, onProgress](double fraction) {
                outcome->progress.push_back(fraction);
                outcome->progressOnMainThread = QThread::currentThread() == qApp->thread();
                if (auto strong = weak.lock(); strong && onProgress) {
                    onProgress(*strong, fraction);
                }
            })
            .response([outcome](const net::DownloadResponse& response) {
                ++outcome->calls;
                outcome->response = response;
            });
        request.reset();
        EXPECT_TRUE(QTest::qWaitFor([&] { return outcome->calls > 0; }, 30000));
        QTest::qWait(20);
        return *outcome;
    }

    QTemporaryDir dir;
    std::filesystem::path folder{dir.path().toStdString()};
    HttpTestServer server;
    net::HttpClient client{{.stallLimit = 400ms}};
    CapturedLog log;
};

} // namespace

TEST_F(DownloadRequestTest, BodyLandsInTheDestinationWithRisingProgress) {
    Reply image = HttpTestServer::text("", 200, "application/octet-stream");
    image.generatedBytes = 3 * 1024 * 1024 + 17;
    server.route("/image.dmg", image);
    const auto destination = folder / "Downloads" / "deep" / "image.dmg";

    const auto outcome = run(server.url("/image.dmg"), destination);
    EXPECT_EQ(outcome.calls, 1);
    EXPECT_FALSE(outcome.response.error.has_value());
    EXPECT_EQ(outcome.response.statusCode, 200);
    ASSERT_EQ(outcome.response.destinationURL, destination);
    EXPECT_EQ(std::filesystem::file_size(destination), 3u * 1024 * 1024 + 17);
    ASSERT_FALSE(outcome.progress.empty());
    EXPECT_TRUE(std::is_sorted(outcome.progress.begin(), outcome.progress.end()));
    EXPECT_GE(outcome.progress.front(), 0.0);
    EXPECT_DOUBLE_EQ(outcome.progress.back(), 1.0);
    EXPECT_TRUE(outcome.progressOnMainThread);
    EXPECT_EQ(filesIn(destination.parent_path()), std::vector<std::string>{"image.dmg"});

    // A redirect to another http address is followed to the file.
    server.route("/latest", HttpTestServer::redirect(server.url("/small"), 302));
    server.route("/small", HttpTestServer::text("small image", 200, "application/octet-stream"));
    const auto redirected = run(server.url("/latest"), destination);
    EXPECT_FALSE(redirected.response.error.has_value());
    EXPECT_EQ(readFile(destination), "small image");
}

TEST_F(DownloadRequestTest, ASuccessfulDownloadReplacesTheOldFile) {
    const auto destination = folder / "image.dmg";
    writeFile(destination, "old image");
    Reply chunked =
        HttpTestServer::text("new image, sent in chunks", 200, "application/x-apple-diskimage");
    chunked.behaviour = Behaviour::chunked;
    server.route("/image.dmg", chunked);

    const auto outcome = run(server.url("/image.dmg"), destination);
    EXPECT_FALSE(outcome.response.error.has_value());
    EXPECT_EQ(readFile(destination), "new image, sent in chunks");
    // Without a length the fraction is unknown until the end.
    EXPECT_TRUE(std::is_sorted(outcome.progress.begin(), outcome.progress.end()));
    for (const double fraction : outcome.progress) {
        EXPECT_TRUE(fraction == 0.0 || fraction == 1.0) << fraction;
    }
    EXPECT_EQ(filesIn(folder), std::vector<std::string>{"image.dmg"});
}

TEST_F(DownloadRequestTest, FailuresLeaveTheOldFileAndNoPartialOne) {
    const auto destination = folder / "image.dmg";
    Reply stalled = HttpTestServer::text(std::string(10000, 'p'), 200, "application/octet-stream");
    stalled.behaviour = Behaviour::stallAfterPartialBody;
    stalled.stallAfterBytes = 4000;
    server.route("/stalled", stalled);
    Reply reset;
    reset.behaviour = Behaviour::reset;
    server.route("/reset", reset);
    server.route("/loop", HttpTestServer::redirect("/loop"));
    server.route("/to-ftp", HttpTestServer::redirect("ftp://127.0.0.1/image.dmg"));

    const std::vector<std::pair<std::string, std::string>> cases{
        {"/missing", "status 404"},
        {"/stalled", "no data for 400 ms"},
        {"/reset", ""},
        {"/loop", ""},
        // Refused by Qt itself or by our own check on redirects, whichever sees it first.
        {"/to-ftp", ""},
    };
    for (const bool withOldFile : {true, false}) {
        for (const auto& [path, reason] : cases) {
            if (withOldFile) {
                writeFile(destination, "good image");
            } else {
                std::filesystem::remove(destination);
            }
            const auto outcome = run(server.url(path), destination);
            EXPECT_EQ(outcome.calls, 1) << path;
            ASSERT_TRUE(outcome.response.error.has_value()) << path;
            if (!reason.empty()) {
                EXPECT_EQ(*outcome.response.error, reason) << path;
            }
            EXPECT_FALSE(outcome.response.destinationURL.has_value());
            EXPECT_EQ(filesIn(folder), withOldFile ? std::vector<std::string>{"image.dmg"}
                                                   : std::vector<std::string>{})
                << path;
            if (withOldFile) {
                EXPECT_EQ(readFile(destination), "good image") << path;
            }
        }
    }
    EXPECT_TRUE(log.contains("request failed: " + server.url("/missing") + ": status 404"));
}

TEST_F(DownloadRequestTest, CancelEndsWithAnErrorExactlyOnce) {
    const auto destination = folder / "image.dmg";
    writeFile(destination, "good image");
    Reply endless = HttpTestServer::text("", 200, "application/octet-stream");
    endless.generatedBytes = 1ull << 40;
    server.route("/endless", endless);

    int progressAfterCancel = 0;
    bool cancelled = false;
    const auto outcome =
        run(server.url("/endless"), destination, [&](net::DownloadRequest& request, double) {
            if (cancelled) {
                ++progressAfterCancel;
                return;
            }
            cancelled = true;
            request.cancel();
            request.cancel();
        });
    EXPECT_EQ(outcome.calls, 1);
    ASSERT_TRUE(outcome.response.error.has_value());
    EXPECT_EQ(*outcome.response.error, "cancelled");
    EXPECT_EQ(progressAfterCancel, 0);
    EXPECT_EQ(readFile(destination), "good image");
    EXPECT_EQ(filesIn(folder), std::vector<std::string>{"image.dmg"});
}

TEST_F(DownloadRequestTest, UnwritableOrRefusedDestinationsFailWithoutTouchingTheNetwork) {
    // A file where a folder should be.
    writeFile(folder / "blocker", "x");
    auto outcome = run(server.url("/any"), folder / "blocker" / "image.dmg");
    ASSERT_TRUE(outcome.response.error.has_value());
    outcome = run("file:///etc/hostname", folder / "image.dmg");
    ASSERT_TRUE(outcome.response.error.has_value());
    EXPECT_EQ(*outcome.response.error, "scheme \"file\" is not fetched");
    EXPECT_EQ(server.requestCount(), 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "image.dmg"));
}

TEST_F(DownloadRequestTest, AFullDiskFailsTheDownloadAndKeepsTheOldFile) {
    const auto destination = folder / "image.dmg";
    writeFile(destination, "good image");
    Reply image = HttpTestServer::text("", 200, "application/octet-stream");
    image.generatedBytes = 2 * 1024 * 1024;
    server.route("/image.dmg", image);
    Outcome outcome;
    {
        FileSizeLimit limit(256 * 1024);
        outcome = run(server.url("/image.dmg"), destination);
    }
    ASSERT_TRUE(outcome.response.error.has_value());
    EXPECT_EQ(outcome.response.error->rfind("cannot write beside", 0), 0u)
        << *outcome.response.error;
    EXPECT_EQ(readFile(destination), "good image");
    EXPECT_EQ(filesIn(folder), std::vector<std::string>{"image.dmg"});
}
