#include "net/DataRequest.h"

#include "core/LogLines.h"
#include "net/JsonDecoder.h"
#include "platform/Log.h"
#include "platform/MainQueue.h"

#include <QNetworkReply>
#include <algorithm>
#include <cctype>

namespace net {
namespace {

std::string lowerTrimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    std::string out(text.substr(first, last - first + 1));
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

} // namespace

DataRequest::DataRequest(HttpClient& client, std::string url, HttpHeaders headers)
    : client_(client), url_(std::move(url)), headers_(std::move(headers)) {}

DataRequest& DataRequest::validate() {
    checkStatus_ = true;
    return *this;
}

DataRequest& DataRequest::validate(std::vector<std::string> contentTypes) {
    contentTypes_ = std::move(contentTypes);
    return *this;
}

void DataRequest::responseJSON(JsonHandler handler) {
    start(Body::keep,
          [this, handler = std::move(handler)](const HttpResponse& response, std::string body) {
              std::optional<nlohmann::json> value;
              if (!response.error) {
                  value = decodeBody(response.statusCode, body);
                  if (!value) {
                      platform::Log::line(std::string(log_lines::httpNotJsonPrefix) +
                                          HttpClient::redactedForLog(url_));
                  }
              }
              if (handler) {
                  handler(value);
              }
          });
}

void DataRequest::response(ResponseHandler handler) {
    start(Body::discard, [handler = std::move(handler)](const HttpResponse& response, std::string) {
        if (handler) {
            handler(response);
        }
    });
}

void DataRequest::cancel() {
    if (finished_) {
        return;
    }
    cancelReason_ = "cancelled";
    if (reply_ && reply_->isRunning()) {
        reply_->abort();
    }
}

void DataRequest::start(Body handling,
                        std::function<void(const HttpResponse&, std::string body)> done) {
    if (started_) {
        // One handler per request: a second would make the outcome arrive twice.
        return;
    }
    started_ = true;
    keepBody_ = handling == Body::keep;
    done_ = std::move(done);
    const QUrl url(QString::fromStdString(url_));
    if (const auto reason = HttpClient::failureBeforeStart(cancelReason_, url); !reason.empty()) {
        finished_ = true;
        deliverLater({.error = reason});
        return;
    }
    reply_ = client_.startGet(url, headers_, HttpClient::Transfer::data);
    auto self = shared_from_this();
    QObject::connect(reply_, &QNetworkReply::readyRead, reply_, [self] { self->readAvailable(); });
    QObject::connect(reply_, &QNetworkReply::finished, reply_, [self] { self->finish(); });
}

void DataRequest::readAvailable() {
    if (!reply_ || finished_ || !reply_->isOpen()) {
        return;
    }
    const QByteArray chunk = reply_->readAll();
    bodyBytes_ += chunk.size();
    if (!keepBody_) {
        return;
    }
    if (bodyBytes_ > client_.options().maxJsonBodyBytes) {
        cancelReason_ =
            "reply larger than " + std::to_string(client_.options().maxJsonBodyBytes) + " bytes";
        body_.clear();
        if (reply_->isRunning()) {
            reply_->abort();
        }
        return;
    }
    body_.append(chunk.constData(), static_cast<std::size_t>(chunk.size()));
}

void DataRequest::finish() {
    if (finished_ || !reply_) {
        return;
    }
    readAvailable();
    finished_ = true;
    QNetworkReply& reply = *reply_;
    HttpResponse response;
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    response.statusCode = status.isValid() ? status.toInt() : 0;
    std::string failure = cancelReason_;
    if (failure.empty()) {
        failure = client_.transportFailure(reply);
    }
    if (failure.empty()) {
        const std::string contentType =
            reply.rawHeader(QByteArrayLiteral("Content-Type")).toStdString();
        failure = validationFailure(response.statusCode, checkStatus_, contentType, contentTypes_,
                                    bodyBytes_ == 0);
    }
    if (!failure.empty()) {
        response.error = failure;
        body_.clear();
    }
    reply.deleteLater();
    deliverLater(std::move(response));
}

void DataRequest::deliverLater(HttpResponse response) {
    if (response.error) {
        platform::Log::line(std::string(log_lines::httpFailedPrefix) +
                            HttpClient::redactedForLog(url_) + ": " + *response.error);
    }
    // Always from the event loop, so a handler never runs inside the caller's own call.
    platform::MainQueue::async([self = shared_from_this(), response = std::move(response)] {
        auto done = std::exchange(self->done_, nullptr);
        if (done) {
            done(response, std::exchange(self->body_, std::string()));
        }
    });
}

bool DataRequest::contentTypeMatches(const std::string& headerValue,
                                     const std::vector<std::string>& acceptable) {
    const std::string type =
        lowerTrimmed(std::string_view(headerValue)
                         .substr(0, std::min(headerValue.find(';'), headerValue.size())));
    return std::any_of(acceptable.begin(), acceptable.end(),
                       [&](const std::string& wanted) { return lowerTrimmed(wanted) == type; });
}

std::string DataRequest::validationFailure(int statusCode, bool checkStatus,
                                           const std::string& contentType,
                                           const std::vector<std::string>& acceptable,
                                           bool bodyEmpty) {
    if (checkStatus && (statusCode < 200 || statusCode > 299)) {
        return "status " + std::to_string(statusCode);
    }
    if (acceptable.empty()) {
        return {};
    }
    if (contentType.empty()) {
        return bodyEmpty ? std::string() : "no content type";
    }
    if (!contentTypeMatches(contentType, acceptable)) {
        return "content type \"" + contentType + "\" not accepted";
    }
    return {};
}

std::optional<nlohmann::json> DataRequest::decodeBody(int statusCode, const std::string& body) {
    if (body.empty() && (statusCode == 204 || statusCode == 205)) {
        return nlohmann::json(nullptr);
    }
    return JsonDecoder::decode(body);
}

} // namespace net
