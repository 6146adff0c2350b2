#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// Named broadcasts without payload. Observers run synchronously on the posting thread, in
// the order they registered; an observer removed during a post is not called afterwards.
class NotificationCenter {
public:
    using Callback = std::function<void()>;

    static NotificationCenter& defaultCenter();

    void addObserver(const void* observer, const std::string& name, Callback callback);
    // Removes every registration of the observer, whatever the name.
    void removeObserver(const void* observer);
    void post(const std::string& name);

    [[nodiscard]] int observerCount(const std::string& name) const;

private:
    struct Registration {
        std::uint64_t token = 0;
        const void* observer = nullptr;
        std::string name;
        Callback callback;
    };

    [[nodiscard]] bool isRegistered(std::uint64_t token) const;

    std::vector<Registration> registrations_;
    std::uint64_t nextToken_ = 1;
};

} // namespace platform
