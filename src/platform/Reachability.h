#pragma once

#include <functional>
#include <memory>

class QObject;

namespace platform {

// Tells whether the network can be reached: once, as soon as the notifier starts, and again
// on every change until it is stopped. Callbacks run on the main queue; stopping from inside
// one is fine. Where the desktop offers no reachability backend the network counts as
// reachable, and the request's own failure decides.
class Reachability {
public:
    using Callback = std::function<void()>;

    Reachability();
    virtual ~Reachability();
    Reachability(const Reachability&) = delete;
    Reachability& operator=(const Reachability&) = delete;

    Callback whenReachable;
    Callback whenUnreachable;

    // False when no report can be given at all.
    virtual bool startNotifier();
    void stopNotifier();

protected:
    // Reports on the main queue, unless the notifier stops first.
    void queueReport(bool reachable);
    bool running_ = false;

private:
    void report(bool reachable);

    // Reports still queued when the notifier stops must not arrive.
    std::shared_ptr<int> generation_ = std::make_shared<int>(0);
    std::unique_ptr<QObject> watcher_;
};

} // namespace platform
