#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace net {
class HttpClient;
}

// A client of Matomo's HTTP tracking API (GET <base>/matomo.php). Events are queued by
// track() and sent by dispatch(); an opted-out tracker records and sends nothing.
class MatomoTracker : public std::enable_shared_from_this<MatomoTracker> {
public:
    // baseURL is the full address of matomo.php.
    [[nodiscard]] static std::shared_ptr<MatomoTracker>
    make(std::string siteId, std::string baseURL, net::HttpClient& client);
    MatomoTracker(std::string siteId, std::string baseURL, net::HttpClient& client);
    ~MatomoTracker();
    MatomoTracker(const MatomoTracker&) = delete;
    MatomoTracker& operator=(const MatomoTracker&) = delete;

    void setDimension(const std::string& value, int index);
    // Sent as the visitor id, hashed: the server never sees the text itself.
    void setVisitorIdentifier(const std::string& identifier);
    bool isOptedOut = false;

    void track(const std::string& category, const std::string& action,
               const std::optional<std::string>& name);
    // Sends the queue. The tracker keeps itself alive until every request has ended, so the
    // caller may drop it at once; whenDone runs then (at once when nothing was queued).
    void dispatch(std::function<void()> whenDone = {});

    // The tracking address of one event, without the cache-busting value.
    [[nodiscard]] std::string eventQuery(const std::string& category, const std::string& action,
                                         const std::optional<std::string>& name) const;
    // 16 hexadecimal digits that stay the same for the same identifier.
    [[nodiscard]] static std::string visitorId(const std::string& identifier);
    // Trackers whose requests have not all ended yet.
    [[nodiscard]] static int liveCount();

private:
    std::string siteId_;
    std::string baseURL_;
    net::HttpClient& client_;
    std::string visitorId_;
    // In the order they were first set, which is the order they are sent in.
    std::vector<std::pair<int, std::string>> dimensions_;
    std::vector<std::string> queue_;
};
