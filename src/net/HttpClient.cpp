#include "net/HttpClient.h"

#include "net/DataRequest.h"
#include "net/DownloadRequest.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace net {
namespace {

// Redirect chains longer than this are loops in practice.
constexpr int maxRedirects = 20;

} // namespace

HttpClient::HttpClient() : HttpClient(Options{}) {}

HttpClient::HttpClient(Options options)
    : options_(options), manager_(std::make_unique<QNetworkAccessManager>()) {}

HttpClient::~HttpClient() {
    // Aborting makes every running request hand over its error before the replies go.
    const auto replies = manager_->findChildren<QNetworkReply*>();
    for (auto* reply : replies) {
        if (reply->isRunning()) {
            reply->setProperty(refusalProperty, QStringLiteral("the client was shut down"));
            reply->abort();
        }
    }
}

HttpClient& HttpClient::shared() {
    // Never destroyed: requests may still finish while the process winds down.
    static auto* client = new HttpClient();
    return *client;
}

std::shared_ptr<DataRequest> HttpClient::request(const std::string& url, HttpHeaders headers) {
    return std::make_shared<DataRequest>(*this, url, std::move(headers));
}

std::shared_ptr<DownloadRequest> HttpClient::download(const std::string& url,
                                                      std::filesystem::path destination) {
    return std::make_shared<DownloadRequest>(*this, url, std::move(destination));
}

std::string HttpClient::failureBeforeStart(const std::string& recorded, const QUrl& url) {
    return recorded.empty() ? refusalReason(url) : recorded;
}

std::string HttpClient::refusalReason(const QUrl& url) {
    if (!url.isValid()) {
        return "not a valid address";
    }
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        return "scheme \"" + url.scheme().toStdString() + "\" is not fetched";
    }
    if (url.host().isEmpty()) {
        return "no host";
    }
    return {};
}

std::string HttpClient::joinAddress(std::string_view base, std::string_view path) {
    while (!base.empty() && base.back() == '/') {
        base.remove_suffix(1);
    }
    while (!path.empty() && path.front() == '/') {
        path.remove_prefix(1);
    }
    return std::string(base) + "/" + std::string(path);
}

QNetworkReply* HttpClient::startGet(const QUrl& url, const HttpHeaders& headers) {
    QNetworkRequest request(url);
    request.setTransferTimeout(static_cast<int>(options_.stallLimit.count()));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(maxRedirects);
    for (const auto& [name, value] : headers) {
        request.setRawHeader(QByteArray::fromStdString(name), QByteArray::fromStdString(value));
    }
    auto* reply = manager_->get(request);
    ++started_;
    // A redirect must satisfy the same rules as the address we were given.
    QObject::connect(reply, &QNetworkReply::redirected, reply, [reply](const QUrl& target) {
        const auto reason = refusalReason(target);
        if (reason.empty()) {
            emit reply->redirectAllowed();
            return;
        }
        reply->setProperty(refusalProperty, QString::fromStdString("redirect refused: " + reason));
        reply->abort();
    });
    return reply;
}

std::string HttpClient::transportFailure(const QNetworkReply& reply) const {
    const auto refusal = reply.property(refusalProperty);
    if (refusal.isValid()) {
        return refusal.toString().toStdString();
    }
    switch (reply.error()) {
    case QNetworkReply::NoError:
    // Errors Qt derives from the HTTP status alone: the answer itself arrived.
    case QNetworkReply::ContentAccessDenied:
    case QNetworkReply::ContentOperationNotPermittedError:
    case QNetworkReply::ContentNotFoundError:
    case QNetworkReply::AuthenticationRequiredError:
    case QNetworkReply::ContentReSendError:
    case QNetworkReply::ContentConflictError:
    case QNetworkReply::ContentGoneError:
    case QNetworkReply::UnknownContentError:
    case QNetworkReply::ProtocolInvalidOperationError:
    case QNetworkReply::InternalServerError:
    case QNetworkReply::OperationNotImplementedError:
    case QNetworkReply::ServiceUnavailableError:
    case QNetworkReply::UnknownServerError:
        return {};
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TimeoutError:
        // Our own cancellations carry their reason; what is left is the stall limit.
        return "no data for " + std::to_string(options_.stallLimit.count()) + " ms";
    default:
        return reply.errorString().toStdString();
    }
}

} // namespace net
