#pragma once

#include "net/HttpClient.h"

#include <QPointer>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QSaveFile;

namespace net {

// How a download ended.
struct DownloadResponse {
    // Set on failure, on a status outside 200–299 and on cancellation.
    std::optional<std::string> error;
    // The written file, on success only.
    std::optional<std::filesystem::path> destinationURL;
    int statusCode = 0;
};

// A GET whose body streams into a temporary file beside the destination. Only a transfer that
// completes with a status from 200 to 299 replaces the destination (missing folders are made);
// anything else leaves whatever was there untouched and no partial file behind.
class DownloadRequest : public std::enable_shared_from_this<DownloadRequest> {
public:
    using ProgressHandler = std::function<void(double fractionCompleted)>;
    using Completion = std::function<void(const DownloadResponse& response)>;

    DownloadRequest(HttpClient& client, std::string url, std::filesystem::path destination);
    ~DownloadRequest();
    DownloadRequest(const DownloadRequest&) = delete;
    DownloadRequest& operator=(const DownloadRequest&) = delete;

    // Called on the main thread as bytes arrive, with a fraction from 0.0 to 1.0 (0.0 while
    // the length is unknown).
    DownloadRequest& downloadProgress(ProgressHandler handler);
    // Starts the transfer; the completion runs once, on the main thread.
    void response(Completion completion);
    // The completion then runs with an error.
    void cancel();

    [[nodiscard]] static double fraction(std::int64_t received, std::int64_t total);

private:
    void readAvailable();
    void finish();
    void fail(std::string reason);
    void deliverLater(DownloadResponse response);

    HttpClient& client_;
    std::string url_;
    std::filesystem::path destination_;
    ProgressHandler progress_;
    Completion completion_;
    bool started_ = false;
    bool finished_ = false;
    std::string failure_;
    std::unique_ptr<QSaveFile> file_;
    QPointer<QNetworkReply> reply_;
};

} // namespace net
