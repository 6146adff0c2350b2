#include "net/DownloadRequest.h"

#include "core/LogLines.h"
#include "platform/Log.h"
#include "platform/MainQueue.h"

#include <QNetworkReply>
#include <QSaveFile>
#include <algorithm>
#include <system_error>

namespace net {
namespace {

bool isSuccess(int status) {
    return status >= 200 && status <= 299;
}

int statusOf(const QNetworkReply& reply) {
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    return status.isValid() ? status.toInt() : 0;
}

} // namespace

DownloadRequest::DownloadRequest(HttpClient& client, std::string url,
                                 std::filesystem::path destination)
    : client_(client), url_(std::move(url)), destination_(std::move(destination)) {}

// The temporary file, if any, goes with the request.
DownloadRequest::~DownloadRequest() = default;

DownloadRequest& DownloadRequest::downloadProgress(ProgressHandler handler) {
    progress_ = std::move(handler);
    return *this;
}

double DownloadRequest::fraction(std::int64_t received, std::int64_t total) {
    if (total <= 0 || received <= 0) {
        return 0.0;
    }
    return std::min(1.0, static_cast<double>(received) / static_cast<double>(total));
}

void DownloadRequest::response(Completion completion) {
    if (started_) {
        return;
    }
    started_ = true;
    completion_ = std::move(completion);
    const QUrl url(QString::fromStdString(url_));
    if (const auto reason = HttpClient::failureBeforeStart(failure_, url); !reason.empty()) {
        finished_ = true;
        deliverLater({.error = reason});
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(destination_.parent_path(), error);
    if (error) {
        finished_ = true;
        deliverLater({.error = "cannot create " + destination_.parent_path().string() + ": " +
                               error.message()});
        return;
    }
    file_ = std::make_unique<QSaveFile>(QString::fromStdString(destination_.string()));
    // Never write straight into the destination: a good earlier file must survive a failure.
    file_->setDirectWriteFallback(false);
    if (!file_->open(QIODevice::WriteOnly)) {
        finished_ = true;
        const std::string reason = file_->errorString().toStdString();
        file_.reset();
        deliverLater({.error = "cannot write beside " + destination_.string() + ": " + reason});
        return;
    }
    reply_ = client_.startGet(url, {});
    auto self = shared_from_this();
    QObject::connect(reply_, &QNetworkReply::readyRead, reply_, [self] { self->readAvailable(); });
    QObject::connect(reply_, &QNetworkReply::downloadProgress, reply_,
                     [self](qint64 received, qint64 total) {
                         if (self->progress_ && !self->finished_ && self->failure_.empty()) {
                             self->progress_(fraction(received, total));
                         }
                     });
    QObject::connect(reply_, &QNetworkReply::finished, reply_, [self] { self->finish(); });
}

void DownloadRequest::cancel() {
    if (finished_) {
        return;
    }
    if (failure_.empty()) {
        failure_ = "cancelled";
    }
    if (reply_) {
        reply_->abort();
    }
}

void DownloadRequest::fail(std::string reason) {
    if (failure_.empty()) {
        failure_ = std::move(reason);
    }
    if (reply_ && reply_->isRunning()) {
        reply_->abort();
    }
}

void DownloadRequest::readAvailable() {
    if (!reply_ || finished_ || !failure_.empty() || !reply_->isOpen()) {
        return;
    }
    const int status = statusOf(*reply_);
    if (!isSuccess(status)) {
        // An error page is not the file asked for; no point receiving it.
        fail("status " + std::to_string(status));
        return;
    }
    // Straight from the socket's buffer to the disk, a chunk at a time.
    while (reply_ && reply_->bytesAvailable() > 0) {
        const QByteArray chunk = reply_->read(64 * 1024);
        if (chunk.isEmpty()) {
            break;
        }
        if (file_->write(chunk) != chunk.size()) {
            fail("cannot write beside " + destination_.string() + ": " +
                 file_->errorString().toStdString());
            return;
        }
    }
}

void DownloadRequest::finish() {
    if (finished_ || !reply_) {
        return;
    }
    DownloadResponse response;
    response.statusCode = statusOf(*reply_);
    std::string failure = failure_;
    if (failure.empty()) {
        failure = client_.transportFailure(*reply_);
    }
    if (failure.empty()) {
        // The rest of the body; this may still find a bad status or a full disk.
        readAvailable();
        failure = failure_;
    }
    finished_ = true;
    if (failure.empty() && !isSuccess(response.statusCode)) {
        failure = "status " + std::to_string(response.statusCode);
    }
    if (failure.empty() && !file_->commit()) {
        failure =
            "cannot replace " + destination_.string() + ": " + file_->errorString().toStdString();
    }
    if (failure.empty()) {
        response.destinationURL = destination_;
    } else {
        response.error = failure;
        file_->cancelWriting();
    }
    // Removes the temporary file when nothing was committed.
    file_.reset();
    reply_->deleteLater();
    deliverLater(std::move(response));
}

void DownloadRequest::deliverLater(DownloadResponse response) {
    if (response.error) {
        platform::Log::line(std::string(log_lines::httpFailedPrefix) + url_ + ": " +
                            *response.error);
    }
    platform::MainQueue::async([self = shared_from_this(), response = std::move(response)] {
        auto completion = std::exchange(self->completion_, nullptr);
        if (completion) {
            completion(response);
        }
    });
}

} // namespace net
