#include "net/DownloadRequest.h"

#include "support/FileSizeLimit.h"
#include "support/HttpTestServer.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int calls = 0;
    net::DownloadResponse response;
    std::vector<double> progress;
};

class DownloadRequestTest : public ::testing::Test {
protected:
    DownloadRequestTest() {
        HttpTestServer::Reply stalled = HttpTestServer::text(std::string(10000, 'p'), 200, "");
        stalled.behaviour = HttpTestServer::Behaviour::stallAfterPartialBody;
        stalled.stallAfterBytes = 4000;
        server.route("/stalled", stalled);
        server.route("/image.dmg", HttpTestServer::text(image, 200, "application/octet-stream"));
        server.route("/to-ftp", HttpTestServer::redirect("ftp://127.0.0.1/image.dmg"));
    }

    // Runs one download to its end; cancelOnProgress cancels it at its first progress report.
    Outcome run(const std::string& path, bool cancelOnProgress = false) {
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
                ++outcome->calls;
                outcome->response = response;
            });
        request.reset();
        EXPECT_TRUE(QTest::qWaitFor([&] { return outcome->calls > 0; }, 30000));
        QTest::qWait(20);
        return *outcome;
    }

    // Files in the download folder, so a stray temporary one shows up.
    [[nodiscard]] long files() const {
        return std::distance(std::filesystem::directory_iterator(destination.parent_path()), {});
    }

    QTemporaryDir dir;
    std::filesystem::path destination = dir.path().toStdString() + "/Downloads/image.dmg";
    const std::string image = std::string(3 * 1024 * 1024, 'i') + "end";
    HttpTestServer server;
    net::HttpClient client{{.stallLimit = std::chrono::milliseconds(400)}};
};

} // namespace

TEST_F(DownloadRequestTest, BodyReplacesTheOldFileWithProgressEndingAtOne) {
    writeFile(destination, "old image");
    const auto outcome = run("/image.dmg");
    EXPECT_EQ(outcome.calls, 1);
    EXPECT_FALSE(outcome.response.error.has_value());
    EXPECT_EQ(outcome.response.destinationURL, destination);
    EXPECT_TRUE(readFile(destination) == image);
    EXPECT_EQ(files(), 1);
    ASSERT_FALSE(outcome.progress.empty());
    EXPECT_TRUE(std::is_sorted(outcome.progress.begin(), outcome.progress.end()));
    EXPECT_DOUBLE_EQ(outcome.progress.back(), 1.0);
}

TEST_F(DownloadRequestTest, FailuresKeepTheOldFileAndLeaveNoPartialOne) {
    // Path, how the error starts (empty: any error), cancel at the first progress, disk full.
    const std::vector<std::tuple<std::string, std::string, bool, bool>> cases{
        {"/missing", "status 404", false, false},
        {"/stalled", "no data for 400 ms", false, false},
        {"/stalled", "cancelled", true, false},
        {"/image.dmg", "cannot write beside", false, true},
        {"/to-ftp", "", false, false},
    };
    for (const bool withOldFile : {true, false}) {
        for (const auto& [path, error, cancel, diskFull] : cases) {
            std::filesystem::remove_all(destination.parent_path());
            if (withOldFile) {
                writeFile(destination, "good image");
            }
            std::optional<FileSizeLimit> limit;
            if (diskFull) {
                limit.emplace(256 * 1024);
            }
            const Outcome outcome = run(path, cancel);
            limit.reset();
            EXPECT_EQ(outcome.calls, 1) << path;
            ASSERT_TRUE(outcome.response.error.has_value()) << path;
            EXPECT_EQ(outcome.response.error->rfind(error, 0), 0u) << *outcome.response.error;
            EXPECT_FALSE(outcome.response.destinationURL.has_value());
            EXPECT_EQ(files(), withOldFile ? 1 : 0) << path;
            if (withOldFile) {
                EXPECT_EQ(readFile(destination), "good image") << path;
            }
        }
    }
}
