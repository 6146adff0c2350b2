#include "platform/NotificationCenter.h"

#include <algorithm>

namespace platform {

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(const void* observer, const std::string& name,
                                     Callback callback) {
    registrations_.push_back({nextToken_++, observer, name, std::move(callback)});
}

void NotificationCenter::removeObserver(const void* observer) {
    std::erase_if(registrations_,
                  [observer](const Registration& r) { return r.observer == observer; });
}

void NotificationCenter::post(const std::string& name) {
    // Observers may add or remove registrations while they run, so walk a snapshot and
    // skip whatever was removed in the meantime.
    std::vector<std::pair<std::uint64_t, Callback>> receivers;
    for (const auto& registration : registrations_) {
        if (registration.name == name) {
            receivers.emplace_back(registration.token, registration.callback);
        }
    }
    for (const auto& [token, callback] : receivers) {
        if (isRegistered(token)) {
            callback();
        }
    }
}

int NotificationCenter::observerCount(const std::string& name) const {
    return static_cast<int>(
        std::count_if(registrations_.begin(), registrations_.end(),
                      [&name](const Registration& r) { return r.name == name; }));
}

bool NotificationCenter::isRegistered(std::uint64_t token) const {
    return std::any_of(registrations_.begin(), registrations_.end(),
                       [token](const Registration& r) { return r.token == token; });
}

} // namespace platform
