#include "platform/SleepWatcher.h"

namespace platform {

SleepWatcher::SleepWatcher(QDBusConnection bus, std::function<void()> resumed)
    : resumed_(std::move(resumed)) {
    watching_ = bus.isConnected() &&
                bus.connect(QStringLiteral("org.freedesktop.login1"),
                            QStringLiteral("/org/freedesktop/login1"),
                            QStringLiteral("org.freedesktop.login1.Manager"),
                            QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
}

std::unique_ptr<SleepWatcher> SleepWatcher::onSystemBus(std::function<void()> resumed) {
    return std::make_unique<SleepWatcher>(QDBusConnection::systemBus(), std::move(resumed));
}

void SleepWatcher::prepareForSleep(bool goingToSleep) {
    if (!goingToSleep && resumed_) {
        resumed_();
    }
}

} // namespace platform
