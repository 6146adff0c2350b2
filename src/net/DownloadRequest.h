#pragma once

#include "net/HttpClient.h"

#include <QPointer>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QCryptographicHash;
namespace platform {
class StagedFile;
}

namespace net {

// How a download ended.
struct DownloadResponse {
    // Set on failure, on a status outside 200–299 and on cancellation.
    std::optional<std::string> error;
    // The written file, on success only: the destination, or a fresh name beside it when a
    // link or another user's file is there.
    std::optional<std::filesystem::path> destinationURL;
    // Of the written file, in lower-case hex.
    std::string sha256;
    int statusCode = 0;
};

// A GET over https (plain http only from this machine) whose body streams into a new file
// beside the destination. Only a transfer that completes with a status from 200 to 299, is
// not a web page, stays within the size cap and the deadline, and matches the expected
// checksum when one is given, is put in place (missing folders are made); anything else leaves
// whatever was there untouched and no partial file behind.
class DownloadRequest : public std::enable_shared_from_this<DownloadRequest> {
public:
    using ProgressHandler = std::function<void(double fractionCompleted)>;
    using Completion = std::function<void(const DownloadResponse& response)>;
    using AlternativeName = std::function<std::filesystem::path(int n)>;

    DownloadRequest(HttpClient& client, std::string url, std::filesystem::path destination);
    ~DownloadRequest();
    DownloadRequest(const DownloadRequest&) = delete;
    DownloadRequest& operator=(const DownloadRequest&) = delete;

    // Called on the main thread as bytes arrive, with a fraction from 0.0 to 1.0 (0.0 while
    // the length is unknown).
    DownloadRequest& downloadProgress(ProgressHandler handler);
    // The SHA-256 the body must have (64 hex digits); a mismatch saves nothing.
    DownloadRequest& expectSha256(std::string hex);
    // Names to use when the destination may not be replaced; "name (n).ext" without one.
    DownloadRequest& alternativeNames(AlternativeName names);
    // Starts the transfer; the completion runs once, on the main thread.
    void response(Completion completion);
    // The completion then runs with an error.
    void cancel();

    [[nodiscard]] static double fraction(std::int64_t received, std::int64_t total);
    // Why an answer that declares this length is refused before its body: over the cap or
    // over the free space of the target folder; empty when it may come.
    [[nodiscard]] static std::string sizeRefusalReason(std::int64_t declaredLength,
                                                       std::int64_t cap, std::uintmax_t freeBytes);
    // An answer of this Content-Type is a web page (a captive portal, an error page), never a
    // package.
    [[nodiscard]] static bool isWebPage(std::string_view contentType);

private:
    void checkHeaders();
    void readAvailable();
    void finish();
    void fail(std::string reason);
    void deliverLater(DownloadResponse response);

    HttpClient& client_;
    std::string url_;
    std::filesystem::path destination_;
    ProgressHandler progress_;
    Completion completion_;
    std::string expectedSha256_;
    AlternativeName alternativeNames_;
    bool started_ = false;
    bool finished_ = false;
    bool headersChecked_ = false;
    std::int64_t received_ = 0;
    std::string failure_;
    std::unique_ptr<platform::StagedFile> file_;
    std::unique_ptr<QCryptographicHash> hash_;
    QPointer<QNetworkReply> reply_;
};

} // namespace net
