#include "net/HttpClient.h"

#include "net/DataRequest.h"
#include "net/DownloadRequest.h"
#include "net/JsonDecoder.h"
#include "support/CapturedLog.h"
#include "support/FileSizeLimit.h"
#include "support/HttpTestServer.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>
#include <limits>
#include <unistd.h>

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
    // A download (of a server path or a whole address), cancelled at its first progress if asked.
    Outcome download(const std::string& path, bool cancelOnProgress,
                     net::HttpClient* through = nullptr, const std::string& sha256 = {}) {
        auto outcome = std::make_shared<Outcome>();
        auto request = (through != nullptr ? *through : client)
                           .download(path.starts_with("/") ? server.url(path) : path, destination);
        std::weak_ptr<net::DownloadRequest> weak = request;
        request->expectSha256(sha256);
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
    // The caller lets go at once; the client still answers once (a late second one may show).
    static Outcome finish(const std::shared_ptr<Outcome>& outcome) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return outcome->calls > 0; }, 30000));
        QTest::qWait(20);
        EXPECT_EQ(outcome->calls, 1);
        return *outcome;
    }

    HttpTestServer server;
    net::HttpClient client{
        {.stallLimit = 400ms, .maxJsonBodyBytes = 64 * 1024, .maxDownloadBytes = 4 << 20}};
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

// Which addresses a download, and every redirect hop of any request, may go to.
TEST(HttpClientPolicyTest, DownloadsGoOverHttpsAndNoRedirectLeadsToPlainHttpBeyondThisMachine) {
    // From, to, downloading, refused.
    const std::vector<std::tuple<std::string, std::string, bool, bool>> rows{
        {"https://a.example/x", "https://cdn.example/x.deb", true, false},
        {"https://a.example/x", "http://cdn.example/x.deb", true, true},
        {"https://a.example/x", "http://cdn.example/x.deb", false, true},
        {"http://a.example/x", "http://cdn.example/x.json", false, false},
        {"http://127.0.0.1:8/x", "http://cdn.example/x.deb", true, true},
        {"https://a.example/x", "http://127.0.0.1:8/x.deb", true, false},
        {"https://a.example/x", "http://127.4.5.6/x.deb", true, false},
        {"https://a.example/x", "http://[::1]:8/x.deb", true, false},
        {"https://a.example/x", "http://LocalHost/x.deb", true, false},
        {"https://a.example/x", "http://localhost.example/x.deb", true, true},
        {"https://a.example/x", "http://128.0.0.1/x.deb", true, true},
        {"https://a.example/x", "ftp://cdn.example/x.deb", true, true},
        {"https://a.example/x", "file:///etc/passwd", false, true},
    };
    for (const auto& [from, to, downloading, refused] : rows) {
        EXPECT_EQ(!net::HttpClient::redirectRefusalReason(QUrl(QString::fromStdString(from)),
                                                          QUrl(QString::fromStdString(to)),
                                                          downloading)
                       .empty(),
                  refused)
            << from << " -> " << to << " " << downloading;
    }
    EXPECT_FALSE(net::HttpClient::downloadRefusalReason(QUrl("http://a.example/x.deb")).empty());
    EXPECT_TRUE(net::HttpClient::downloadRefusalReason(QUrl("https://a.example/x.deb")).empty());
}

TEST(HttpClientPolicyTest, SizesWebPagesAndSecretsInLoggedAddresses) {
    // Declared length, cap, free bytes, refused.
    for (const auto& [length, cap, free, refused] :
         std::vector<std::tuple<std::int64_t, std::int64_t, std::uintmax_t, bool>>{
             {-1, 10, 10, false}, {10, 10, 10, false}, {11, 10, 100, true}, {11, 100, 10, true}}) {
        EXPECT_EQ(!net::DownloadRequest::sizeRefusalReason(length, cap, free).empty(), refused)
            << length << " " << cap << " " << free;
    }
    for (const auto& [type, page] :
         std::vector<std::pair<std::string, bool>>{{"text/html", true},
                                                   {" Text/HTML ; charset=utf-8", true},
                                                   {"application/vnd.debian.binary-package", false},
                                                   {"text/plain", false},
                                                   {"", false}}) {
        EXPECT_EQ(net::DownloadRequest::isWebPage(type), page) << type;
    }
    for (const auto& [url, logged] : std::vector<std::pair<std::string, std::string>>{
             {"https://g.example/json/?key=K3Y", "https://g.example/json/?key=…"},
             {"https://c.example/p.deb?X-Amz-Signature=s&n=1&Token=t#f",
              "https://c.example/p.deb?X-Amz-Signature=…&n=1&Token=…#f"},
             {"https://c.example/p.deb?versionCode=1000",
              "https://c.example/p.deb?versionCode=1000"},
             {"https://c.example/p.deb", "https://c.example/p.deb"}}) {
        EXPECT_EQ(net::HttpClient::redactedForLog(url), logged);
    }
}

// Only a complete, accepted body replaces the file; every failure or refusal keeps it, leaves no
// partial file and says why in one line. What is saved is logged with its SHA-256.
TEST_F(HttpClientTest, OnlyACompleteAcceptedDownloadReplacesTheFile) {
    CapturedLog log;
    const std::string image = std::string(3 * 1024 * 1024, 'i') + "end";
    const std::string sha256 =
        QCryptographicHash::hash(QByteArray::fromStdString(image), QCryptographicHash::Sha256)
            .toHex()
            .toStdString();
    const auto lengthOf = [](std::string length) {
        return HttpTestServer::Reply{.body = "x",
                                     .headers = {{"Content-Type", "application/x-deb"},
                                                 {"Content-Length", std::move(length)}}};
    };
    server.route("/image.dmg", HttpTestServer::json(image, 200, "application/octet-stream"));
    server.route("/portal",
                 HttpTestServer::json("<html>sign in</html>", 200, "text/html; charset=utf-8"));
    server.route("/declared-huge", lengthOf(std::to_string(5 << 20)));
    server.route("/streamed-huge",
                 {.body = std::string(5 << 20, 'h'), .headers = {{"Content-Length", ""}}});
    server.route("/beyond-free-space", lengthOf(std::to_string(std::int64_t{1} << 60)));
    server.route("/to-plain-http",
                 HttpTestServer::redirect("http://updates.example.invalid/p.deb"));
    server.route("/stalled", HttpTestServer::silent());
    net::HttpClient unlimited{{.stallLimit = 5s,
                               .maxDownloadBytes = std::numeric_limits<std::int64_t>::max(),
                               .downloadDeadline = 200ms}};
    // Address, client, expected checksum, cancel at the first progress, disk full, how the
    // error starts (empty: success).
    using Case = std::tuple<std::string, net::HttpClient*, std::string, bool, bool, std::string>;
    const std::vector<Case> cases{
        {"/image.dmg", &client, "", false, false, ""},
        {"/missing", &client, "", false, false, "status 404"},
        {"/stalled", &client, "", false, false, "no data for 400 ms"},
        {"/image.dmg", &client, "", true, false, "cancelled"},
        {"/image.dmg", &client, "", false, true, "cannot write beside"},
        {"http://updates.example.invalid/p.deb", &client, "", false, false,
         "plain http is refused"},
        {"/to-plain-http", &client, "", false, false, "redirect refused: plain http is refused"},
        {"/portal", &client, "", false, false, "the answer is a web page"},
        {"/declared-huge", &client, "", false, false,
         "the answer declares 5242880 bytes, over the limit"},
        {"/streamed-huge", &client, "", false, false, "the answer is larger than the limit"},
        {"/beyond-free-space", &unlimited, "", false, false,
         "the answer declares 1152921504606846976 bytes, more than"},
        {"/stalled", &unlimited, "", false, false, "not finished within 200 ms"},
        {"/image.dmg", &client, std::string(64, 'a'), false, false,
         "SHA-256 mismatch: expected aaaa"},
        {"/image.dmg", &client, "abc", false, false, "the expected SHA-256 is not 64 hex digits"},
    };
    const int startedBefore = client.startedCount();
    for (const auto& [address, through, expected, cancel, diskFull, error] : cases) {
        writeFile(destination, "good image");
        log.clear();
        const Outcome outcome = [&] {
            FileSizeLimit limit(diskFull ? 256 * 1024 : RLIM_INFINITY);
            return download(address, cancel, through, expected);
        }();
        EXPECT_TRUE(outcome.download.error.value_or("").starts_with(error))
            << address << ": " << outcome.download.error.value_or("");
        EXPECT_EQ(outcome.download.destinationURL.has_value(), error.empty()) << address;
        EXPECT_EQ(filesIn(destination.parent_path()), std::vector{destination}) << address;
        EXPECT_TRUE(readFile(destination) == (error.empty() ? image : "good image")) << address;
        EXPECT_EQ(log.lines().size(), 1U) << address;
    }
    // Refused before they start: the plain http link and the malformed checksum.
    EXPECT_EQ(client.startedCount() - startedBefore,
              std::ranges::count(cases, &client, [](const auto& c) { return std::get<1>(c); }) - 2);

    // Missing folders on the way are created; the progress rises to one; escapes in the link
    // reach the server as written (a signed link breaks when they are undone).
    std::filesystem::remove_all(destination.parent_path());
    log.clear();
    server.route("/a%2Bb%3Fc%23d%26e.deb", HttpTestServer::json(image, 200, "application/x-deb"));
    const Outcome saved =
        download("/a%2Bb%3Fc%23d%26e.deb?sig=x%2By%3D&e=1", false, nullptr, sha256);
    EXPECT_EQ(server.requests().back().path + "?" + server.requests().back().query,
              "/a%2Bb%3Fc%23d%26e.deb?sig=x%2By%3D&e=1");
    EXPECT_EQ(saved.download.sha256, sha256);
    EXPECT_TRUE(readFile(destination) == image);
    EXPECT_TRUE(!saved.progress.empty() && std::ranges::is_sorted(saved.progress) &&
                saved.progress.back() == 1.0);
    EXPECT_EQ(std::filesystem::status(destination).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(log.lines(), std::vector<std::string>{"download saved: " + destination.string() +
                                                    " SHA-256 " + sha256});
}

// A link or another user's file at the destination is kept; the download takes the next name.
TEST_F(HttpClientTest, ALinkOrAForeignFileAtTheDestinationIsNeverWrittenThrough) {
    server.route("/image.dmg", HttpTestServer::json("new image", 200, "application/x-deb"));
    const auto folder = destination.parent_path();
    const auto victim = dir.path().toStdString() + "/victim";
    const auto second = folder / "image (1).dmg";
    writeFile(victim, "precious");
    std::filesystem::create_directories(folder);
    std::filesystem::create_symlink(victim, destination);
    writeFile(second, "mine, replaced");
    const Outcome linked = download("/image.dmg", false);
    EXPECT_EQ(linked.download.destinationURL, second);
    EXPECT_TRUE(std::filesystem::is_symlink(destination));
    EXPECT_EQ(readFile(victim), "precious");
    EXPECT_EQ(readFile(second), "new image");

    // A dangling link is not followed either.
    std::filesystem::remove(victim);
    EXPECT_EQ(download("/image.dmg", false).download.destinationURL, second);
    EXPECT_FALSE(std::filesystem::exists(victim));

    if (getuid() != 0) {
        GTEST_SKIP() << "another user's file needs root to be made";
    }
    std::filesystem::remove(destination);
    writeFile(destination, "someone else's");
    ASSERT_EQ(chown(destination.c_str(), 65534, 65534), 0);
    writeFile(second, "mine, replaced");
    EXPECT_EQ(download("/image.dmg", false).download.destinationURL, second);
    EXPECT_EQ(readFile(destination), "someone else's");
    EXPECT_EQ(readFile(second), "new image");
}
