#include "net/HttpClient.h"

#include "net/DataRequest.h"
#include "net/DownloadRequest.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>
#include <cctype>

namespace net {
namespace {

// Redirect chains longer than this are loops in practice.
constexpr int maxRedirects = 20;

// Query keys whose values are secrets: the geolocation key, signed CDN links.
bool isSecretKey(std::string_view key) {
    std::string lower;
    for (const char c : key) {
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (const std::string_view word :
         {"key", "token", "signature", "sig", "secret", "password", "credential", "auth"}) {
        if (lower.find(word) != std::string::npos) {
            return true;
        }
    }
    return false;
}

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

bool HttpClient::isLoopbackHost(const QString& host) {
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

std::string HttpClient::downloadRefusalReason(const QUrl& url) {
    if (auto reason = refusalReason(url); !reason.empty()) {
        return reason;
    }
    if (url.scheme().toLower() == QLatin1String("http") && !isLoopbackHost(url.host())) {
        return "plain http is refused for a download; only https is fetched";
    }
    return {};
}

std::string HttpClient::redirectRefusalReason(const QUrl& from, const QUrl& to, bool downloading) {
    if (auto reason = downloading ? downloadRefusalReason(to) : refusalReason(to);
        !reason.empty()) {
        return reason;
    }
    if (from.scheme().toLower() == QLatin1String("https") &&
        to.scheme().toLower() == QLatin1String("http") && !isLoopbackHost(to.host())) {
        return "a redirect from https to plain http is refused";
    }
    return {};
}

std::string HttpClient::redactedForLog(std::string_view url) {
    const auto query = url.find('?');
    if (query == std::string_view::npos) {
        return std::string(url);
    }
    const auto fragment = url.find('#', query);
    std::string out(url.substr(0, query + 1));
    const std::string_view items =
        url.substr(query + 1, fragment == std::string_view::npos ? url.npos : fragment - query - 1);
    std::size_t start = 0;
    while (start <= items.size()) {
        const auto end = std::min(items.find('&', start), items.size());
        const std::string_view item = items.substr(start, end - start);
        const auto equals = item.find('=');
        if (equals != std::string_view::npos && isSecretKey(item.substr(0, equals))) {
            out.append(item.substr(0, equals + 1)).append("…");
        } else {
            out.append(item);
        }
        if (end < items.size()) {
            out += '&';
        }
        start = end + 1;
    }
    if (fragment != std::string_view::npos) {
        out.append(url.substr(fragment));
    }
    return out;
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

QNetworkReply* HttpClient::startGet(const QUrl& url, const HttpHeaders& headers,
                                    Transfer transfer) {
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
    // Qt's own check of each hop is off under this policy, so every hop is checked here, before
    // it is looked up.
    const bool downloading = transfer == Transfer::download;
    QObject::connect(
        reply, &QNetworkReply::redirected, reply, [reply, downloading](const QUrl& target) {
            const auto reason = redirectRefusalReason(reply->url(), target, downloading);
            if (reason.empty()) {
                emit reply->redirectAllowed();
                return;
            }
            reply->setProperty(refusalProperty,
                               QString::fromStdString("redirect refused: " + reason));
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
