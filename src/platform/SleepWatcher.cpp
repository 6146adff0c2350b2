#include "platform/SleepWatcher.h"

#include <QDBusConnection>

namespace platform {

SleepWatcher::SleepWatcher(std::function<void()> resumed) : resumed_(std::move(resumed)) {
    auto bus = QDBusConnection::systemBus();
    watching_ = bus.isConnected() &&
                bus.connect(QStringLiteral("org.freedesktop.login1"),
                            QStringLiteral("/org/freedesktop/login1"),
                            QStringLiteral("org.freedesktop.login1.Manager"),
                            QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
}

void SleepWatcher::prepareForSleep(bool goingToSleep) {
    if (!goingToSleep && resumed_) {
        resumed_();
    }
}

} // namespace platform
