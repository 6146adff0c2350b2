#include "platform/MainQueue.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QMetaObject>
#include <QTimer>
#include <glib.h>

namespace platform {

// The one-shot command line runs without a QCoreApplication (it costs as much as the rest of
// the command): there the work goes straight to GLib's default context, which runUntil drives.
namespace {

using Work = std::function<void()>;

gboolean runOnce(gpointer work) {
    (*static_cast<Work*>(work))();
    return G_SOURCE_REMOVE;
}

void discard(gpointer work) {
    delete static_cast<Work*>(work);
}

void addToGLib(std::chrono::milliseconds delay, Work work) {
    auto* held = new Work(std::move(work));
    if (delay.count() <= 0) {
        g_idle_add_full(G_PRIORITY_DEFAULT, runOnce, held, discard);
    } else {
        g_timeout_add_full(G_PRIORITY_DEFAULT, static_cast<guint>(delay.count()), runOnce, held,
                           discard);
    }
}

gboolean keepWaking(gpointer) {
    return G_SOURCE_CONTINUE;
}

bool runGLibUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    const guint clock = g_timeout_add(5, keepWaking, nullptr);
    bool held = done();
    while (!held && std::chrono::steady_clock::now() < deadline) {
        g_main_context_iteration(nullptr, TRUE);
        held = done();
    }
    g_source_remove(clock);
    return held;
}

} // namespace

void MainQueue::async(std::function<void()> work) {
    auto* app = QCoreApplication::instance();
    if (app == nullptr) {
        addToGLib(std::chrono::milliseconds(0), std::move(work));
        return;
    }
    QMetaObject::invokeMethod(app, std::move(work), Qt::QueuedConnection);
}

void MainQueue::asyncAfter(std::chrono::milliseconds delay, std::function<void()> work) {
    if (QCoreApplication::instance() == nullptr) {
        addToGLib(delay, std::move(work));
        return;
    }
    // The timer must be started on the main thread, so hop there first.
    async([delay, work = std::move(work)]() mutable {
        QTimer::singleShot(delay, QCoreApplication::instance(), std::move(work));
    });
}

bool MainQueue::runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    if (QCoreApplication::instance() == nullptr) {
        return runGLibUntil(done, limit);
    }
    const QDeadlineTimer deadline(limit);
    // Wakes the loop now and then to look at the clock when nothing else happens.
    QTimer clock;
    clock.start(5);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

} // namespace platform
