#include "net/DownloadRequest.h"

#include "core/LogLines.h"
#include "platform/Log.h"
#include "platform/MainQueue.h"
#include "platform/StagedFile.h"

#include <QCryptographicHash>
#include <QNetworkReply>
#include <QTimer>
#include <algorithm>
#include <cctype>
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

std::string lower(std::string_view text) {
    std::string out;
    for (const char c : text) {
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string bytesText(std::int64_t bytes) {
    return std::to_string(bytes) + " bytes";
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

DownloadRequest& DownloadRequest::expectSha256(std::string hex) {
    expectedSha256_ = lower(hex);
    return *this;
}

DownloadRequest& DownloadRequest::alternativeNames(AlternativeName names) {
    alternativeNames_ = std::move(names);
    return *this;
}

double DownloadRequest::fraction(std::int64_t received, std::int64_t total) {
    if (total <= 0 || received <= 0) {
        return 0.0;
    }
    return std::min(1.0, static_cast<double>(received) / static_cast<double>(total));
}

std::string DownloadRequest::sizeRefusalReason(std::int64_t declaredLength, std::int64_t cap,
                                               std::uintmax_t freeBytes) {
    if (declaredLength <= 0) {
        return {};
    }
    if (declaredLength > cap) {
        return "the answer declares " + bytesText(declaredLength) + ", over the limit of " +
               bytesText(cap);
    }
    if (static_cast<std::uintmax_t>(declaredLength) > freeBytes) {
        return "the answer declares " + bytesText(declaredLength) + ", more than the " +
               std::to_string(freeBytes) + " bytes free in the target folder";
    }
    return {};
}

bool DownloadRequest::isWebPage(std::string_view contentType) {
    const std::string type = lower(contentType.substr(0, contentType.find(';')));
    const auto first = type.find_first_not_of(" \t");
    const auto last = type.find_last_not_of(" \t");
    return first != std::string::npos &&
           type.substr(first, last - first + 1) == std::string_view("text/html");
}

void DownloadRequest::response(Completion completion) {
    if (started_) {
        return;
    }
    started_ = true;
    completion_ = std::move(completion);
    // Exactly as the server wrote it: escapes such as %2B are part of a signed link.
    const QUrl url = QUrl::fromEncoded(QByteArray::fromStdString(url_));
    std::string refusal = failure_;
    if (refusal.empty()) {
        refusal = HttpClient::downloadRefusalReason(url);
    }
    if (!refusal.empty()) {
        finished_ = true;
        deliverLater({.error = refusal});
        return;
    }
    if (!expectedSha256_.empty() &&
        (expectedSha256_.size() != 64 ||
         !std::ranges::all_of(expectedSha256_, [](char c) { return std::isxdigit(c) != 0; }))) {
        finished_ = true;
        deliverLater({.error = "the expected SHA-256 is not 64 hex digits"});
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
    std::string problem;
    file_ = platform::StagedFile::create(destination_, &problem);
    if (!file_) {
        finished_ = true;
        deliverLater({.error = "cannot write beside " + destination_.string() + ": " + problem});
        return;
    }
    hash_ = std::make_unique<QCryptographicHash>(QCryptographicHash::Sha256);
    reply_ = client_.startGet(url, {}, HttpClient::Transfer::download);
    auto self = shared_from_this();
    QObject::connect(reply_, &QNetworkReply::metaDataChanged, reply_,
                     [self] { self->checkHeaders(); });
    QObject::connect(reply_, &QNetworkReply::readyRead, reply_, [self] { self->readAvailable(); });
    QObject::connect(reply_, &QNetworkReply::downloadProgress, reply_,
                     [self](qint64 received, qint64 total) {
                         if (self->progress_ && !self->finished_ && self->failure_.empty()) {
                             self->progress_(fraction(received, total));
                         }
                     });
    QObject::connect(reply_, &QNetworkReply::finished, reply_, [self] { self->finish(); });
    const auto deadline = client_.options().downloadDeadline;
    QTimer::singleShot(deadline, reply_, [self, deadline] {
        self->fail("not finished within " + std::to_string(deadline.count()) + " ms");
    });
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

// Runs when the answer's head is in (redirects pass by): refuses web pages and lengths that
// cannot fit before any of the body is written.
void DownloadRequest::checkHeaders() {
    if (!reply_ || headersChecked_ || !failure_.empty() || !isSuccess(statusOf(*reply_))) {
        return;
    }
    headersChecked_ = true;
    const std::string type = reply_->rawHeader(QByteArrayLiteral("Content-Type")).toStdString();
    if (isWebPage(type)) {
        fail("the answer is a web page (" + type + "), not a package");
        return;
    }
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid()) {
        std::error_code error;
        const auto space = std::filesystem::space(destination_.parent_path(), error);
        const auto reason =
            sizeRefusalReason(length.toLongLong(), client_.options().maxDownloadBytes,
                              error ? UINTMAX_MAX : space.available);
        if (!reason.empty()) {
            fail(reason);
        }
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
    checkHeaders();
    if (!failure_.empty()) {
        return;
    }
    const std::int64_t cap = client_.options().maxDownloadBytes;
    // Straight from the socket's buffer to the disk, a chunk at a time.
    while (reply_ && reply_->bytesAvailable() > 0) {
        const QByteArray chunk = reply_->read(64 * 1024);
        if (chunk.isEmpty()) {
            break;
        }
        received_ += chunk.size();
        if (received_ > cap) {
            fail("the answer is larger than the limit of " + bytesText(cap));
            return;
        }
        std::string problem;
        if (!file_->write(std::string_view(chunk.constData(), chunk.size()), &problem)) {
            fail("cannot write beside " + destination_.string() + ": " + problem);
            return;
        }
        hash_->addData(chunk);
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
    const std::string sha256 = hash_->result().toHex().toStdString();
    if (failure.empty() && !expectedSha256_.empty() && sha256 != expectedSha256_) {
        failure = "SHA-256 mismatch: expected " + expectedSha256_ + ", received " + sha256;
    }
    if (failure.empty()) {
        std::string problem;
        if (const auto placed = file_->place(alternativeNames_, &problem)) {
            response.destinationURL = *placed;
            response.sha256 = sha256;
            platform::Log::line("download saved: " + placed->string() + " SHA-256 " + sha256);
        } else {
            failure = "cannot save " + destination_.string() + ": " + problem;
        }
    }
    if (!failure.empty()) {
        response.error = failure;
    }
    // Removes the temporary file when nothing was put in place.
    file_.reset();
    reply_->deleteLater();
    deliverLater(std::move(response));
}

void DownloadRequest::deliverLater(DownloadResponse response) {
    if (response.error) {
        platform::Log::line(std::string(log_lines::httpFailedPrefix) +
                            HttpClient::redactedForLog(url_) + ": " + *response.error);
    }
    platform::MainQueue::async([self = shared_from_this(), response = std::move(response)] {
        auto completion = std::exchange(self->completion_, nullptr);
        if (completion) {
            completion(response);
        }
    });
}

} // namespace net
