#include "platform/Reachability.h"

#include "platform/MainQueue.h"

#include <QNetworkInformation>
#include <QObject>
#include <utility>

namespace platform {

namespace {

// Only a network known to be down counts as unreachable: "local" or "site" may still reach
// the update server through a proxy, and an unknown state leaves the decision to the request.
bool isReachable(QNetworkInformation::Reachability reachability) {
    return reachability != QNetworkInformation::Reachability::Disconnected;
}

QNetworkInformation* loadedBackend() {
    if (QNetworkInformation::instance() == nullptr) {
        // The default backend is NetworkManager only; the feature lookup also finds GLib's.
        if (!QNetworkInformation::loadDefaultBackend()) {
            QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
        }
    }
    return QNetworkInformation::instance();
}

} // namespace

Reachability::Reachability() = default;

Reachability::~Reachability() {
    stopNotifier();
}

bool Reachability::startNotifier() {
    if (running_) {
        return true;
    }
    running_ = true;
    QNetworkInformation* backend = loadedBackend();
    if (backend == nullptr) {
        queueReport(true);
        return true;
    }
    watcher_ = std::make_unique<QObject>();
    QObject::connect(backend, &QNetworkInformation::reachabilityChanged, watcher_.get(),
                     [this](QNetworkInformation::Reachability reachability) {
                         queueReport(isReachable(reachability));
                     });
    queueReport(isReachable(backend->reachability()));
    return true;
}

void Reachability::stopNotifier() {
    running_ = false;
    ++*generation_;
    watcher_.reset();
}

void Reachability::queueReport(bool reachable) {
    MainQueue::async(
        [this, generation = std::weak_ptr<int>(generation_), queuedAt = *generation_, reachable] {
            const auto current = generation.lock();
            if (current && *current == queuedAt) {
                report(reachable);
            }
        });
}

void Reachability::report(bool reachable) {
    const Callback& callback = reachable ? whenReachable : whenUnreachable;
    if (callback) {
        // A copy: the callback may stop the notifier or destroy this monitor's owner.
        Callback run = callback;
        run();
    }
}

} // namespace platform
