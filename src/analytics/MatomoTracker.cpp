#include "analytics/MatomoTracker.h"

#include "net/DataRequest.h"
#include "net/HttpClient.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QUrl>
#include <atomic>

namespace {

std::atomic<int> live{0};

std::string encoded(const std::string& text) {
    return QUrl::toPercentEncoding(QString::fromStdString(text)).toStdString();
}

void addParameter(std::string& query, const std::string& key, const std::string& value) {
    query += query.empty() ? "" : "&";
    query += encoded(key) + "=" + encoded(value);
}

} // namespace

std::shared_ptr<MatomoTracker> MatomoTracker::make(std::string siteId, std::string baseURL,
                                                   net::HttpClient& client) {
    return std::make_shared<MatomoTracker>(std::move(siteId), std::move(baseURL), client);
}

MatomoTracker::MatomoTracker(std::string siteId, std::string baseURL, net::HttpClient& client)
    : siteId_(std::move(siteId)), baseURL_(std::move(baseURL)), client_(client) {
    ++live;
}

MatomoTracker::~MatomoTracker() {
    --live;
}

int MatomoTracker::liveCount() {
    return live.load();
}

void MatomoTracker::setDimension(const std::string& value, int index) {
    for (auto& [existing, stored] : dimensions_) {
        if (existing == index) {
            stored = value;
            return;
        }
    }
    dimensions_.emplace_back(index, value);
}

void MatomoTracker::setVisitorIdentifier(const std::string& identifier) {
    visitorId_ = visitorId(identifier);
}

std::string MatomoTracker::visitorId(const std::string& identifier) {
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromStdString(identifier), QCryptographicHash::Sha1);
    return digest.toHex().left(16).toStdString();
}

std::string MatomoTracker::eventQuery(const std::string& category, const std::string& action,
                                      const std::optional<std::string>& name) const {
    std::string query;
    addParameter(query, "idsite", siteId_);
    addParameter(query, "rec", "1");
    addParameter(query, "apiv", "1");
    if (!visitorId_.empty()) {
        addParameter(query, "_id", visitorId_);
    }
    addParameter(query, "e_c", category);
    addParameter(query, "e_a", action);
    if (name) {
        addParameter(query, "e_n", *name);
    }
    for (const auto& [index, value] : dimensions_) {
        addParameter(query, "dimension" + std::to_string(index), value);
    }
    // The answer is not read: ask for "204 No Content" rather than a tracking image.
    addParameter(query, "send_image", "0");
    return baseURL_ + "?" + query;
}

void MatomoTracker::track(const std::string& category, const std::string& action,
                          const std::optional<std::string>& name) {
    if (isOptedOut) {
        return;
    }
    queue_.push_back(eventQuery(category, action, name));
}

void MatomoTracker::dispatch(std::function<void()> whenDone) {
    auto pending = std::exchange(queue_, {});
    if (pending.empty()) {
        if (whenDone) {
            whenDone();
        }
        return;
    }
    // Shared by the requests: the last one to end releases the tracker and reports.
    auto remaining = std::make_shared<std::size_t>(pending.size());
    // Empty for a tracker not made by make(); its requests then simply run on their own.
    auto self = weak_from_this().lock();
    for (const auto& url : pending) {
        const std::string busted =
            url + "&rand=" + std::to_string(QRandomGenerator::global()->bounded(1, 1000000000));
        client_.request(busted)->response([self, remaining, whenDone](const net::HttpResponse&) {
            // Failures are already logged by the client; events are not retried.
            if (--*remaining == 0 && whenDone) {
                whenDone();
            }
        });
    }
}
