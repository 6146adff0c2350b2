#pragma once

#include <functional>
#include <memory>
#include <optional>

class QObject;

namespace platform {

// Tells whether the network can be reached: once, as soon as the notifier starts, and again
// on every change until it is stopped. Callbacks run on the main queue; stopping from inside
// one is fine. Where the desktop offers no reachability backend the network counts as
// reachable, and the request's own failure decides.
class Reachability {
public:
    using Callback = std::function<void()>;

    // What every monitor reports instead of the real network (tests).
    enum class Fixed { reachable, unreachable, notifierFails };

    Reachability();
    ~Reachability();
    Reachability(const Reachability&) = delete;
    Reachability& operator=(const Reachability&) = delete;

    Callback whenReachable;
    Callback whenUnreachable;

    // False when no report can be given at all.
    bool startNotifier();
    void stopNotifier();

    // Fixes what monitors report from now on; no value puts the real network back. Returns
    // the previous setting.
    static std::optional<Fixed> setFixed(std::optional<Fixed> fixed);

private:
    void report(bool reachable);
    void queueReport(bool reachable);

    // Reports still queued when the notifier stops must not arrive.
    std::shared_ptr<int> generation_ = std::make_shared<int>(0);
    std::unique_ptr<QObject> watcher_;
    bool running_ = false;
};

} // namespace platform
