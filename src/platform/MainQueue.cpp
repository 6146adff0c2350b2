#include "platform/MainQueue.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QTimer>

namespace platform {

void MainQueue::async(std::function<void()> work) {
    auto* app = QCoreApplication::instance();
    if (app == nullptr) {
        return;
    }
    QMetaObject::invokeMethod(app, std::move(work), Qt::QueuedConnection);
}

void MainQueue::asyncAfter(std::chrono::milliseconds delay, std::function<void()> work) {
    // The timer must be started on the main thread, so hop there first.
    async([delay, work = std::move(work)]() mutable {
        QTimer::singleShot(delay, QCoreApplication::instance(), std::move(work));
    });
}

} // namespace platform
