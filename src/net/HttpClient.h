#pragma once

#include <QUrl>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QNetworkAccessManager;
class QNetworkReply;

namespace net {

class DataRequest;
class DownloadRequest;

// Request headers in the order they are sent.
using HttpHeaders = std::vector<std::pair<std::string, std::string>>;

// The one HTTP client of the application. Requests are started and answered on the main
// thread; each hands its outcome over exactly once, also on failure.
class HttpClient {
public:
    struct Options {
        // A transfer that receives nothing for this long fails.
        std::chrono::milliseconds stallLimit{std::chrono::seconds(60)};
        // JSON replies are small; a larger body is refused rather than held in memory.
        std::int64_t maxJsonBodyBytes = 1024 * 1024;
        // No package is this large; a larger download is refused or stopped.
        std::int64_t maxDownloadBytes = std::int64_t{1} << 30;
        // A server trickling bytes slower than the stall limit still ends here.
        std::chrono::milliseconds downloadDeadline{std::chrono::minutes(30)};
    };

    HttpClient();
    explicit HttpClient(Options options);
    // Requests still running end with an error.
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // The process-wide client; it lives until the process ends.
    static HttpClient& shared();

    // A GET of the complete URL text; it starts when its response handler is given.
    [[nodiscard]] std::shared_ptr<DataRequest> request(const std::string& url,
                                                       HttpHeaders headers = {});
    // A GET whose body is written to destination; it starts when its completion is given.
    [[nodiscard]] std::shared_ptr<DownloadRequest> download(const std::string& url,
                                                            std::filesystem::path destination);

    [[nodiscard]] const Options& options() const { return options_; }
    // Transfers actually put on the wire (refused addresses are not counted).
    [[nodiscard]] int startedCount() const { return started_; }

    // Only http and https are fetched. Empty when the address may be fetched, else why not.
    [[nodiscard]] static std::string refusalReason(const QUrl& url);
    // Downloads come over https only; plain http only from this machine (the test servers).
    [[nodiscard]] static std::string downloadRefusalReason(const QUrl& url);
    // A redirect hop must pass the same rule as the first address, and never leads from https
    // to plain http beyond this machine. Empty when it may be followed.
    [[nodiscard]] static std::string redirectRefusalReason(const QUrl& from, const QUrl& to,
                                                           bool downloading);
    // 127.0.0.0/8, ::1 and localhost.
    [[nodiscard]] static bool isLoopbackHost(const QString& host);
    // The address for a log line: the values of secrets in its query (keys, tokens,
    // signatures) are replaced by "…".
    [[nodiscard]] static std::string redactedForLog(std::string_view url);
    // Why a request must end before it starts: a failure already recorded (a cancel before
    // start), else the address's refusal; empty when it may go ahead.
    [[nodiscard]] static std::string failureBeforeStart(const std::string& recorded,
                                                        const QUrl& url);
    // base + path with exactly one slash between them.
    [[nodiscard]] static std::string joinAddress(std::string_view base, std::string_view path);

private:
    friend class DataRequest;
    friend class DownloadRequest;

    // A download follows the stricter scheme rule on every redirect.
    enum class Transfer { data, download };

    // Starts a GET with the client's limits and the scheme check on every redirect.
    [[nodiscard]] QNetworkReply* startGet(const QUrl& url, const HttpHeaders& headers,
                                          Transfer transfer);
    // Why a finished reply failed in transport; empty when it carried an HTTP answer, whatever
    // its status.
    [[nodiscard]] std::string transportFailure(const QNetworkReply& reply) const;

    // Set on a reply whose redirect was refused, with the reason.
    static constexpr const char* refusalProperty = "lumatixRefusal";

    Options options_;
    std::unique_ptr<QNetworkAccessManager> manager_;
    int started_ = 0;
};

} // namespace net
