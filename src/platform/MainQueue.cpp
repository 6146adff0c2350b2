#include "platform/MainQueue.h"

#include <QCoreApplication>
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

gboolean ring(gpointer rung) {
    *static_cast<bool*>(rung) = true;
    return G_SOURCE_REMOVE;
}

bool runGLibUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    // The alarm both wakes the loop and ends the wait.
    bool rung = false;
    const guint alarm = g_timeout_add(static_cast<guint>(limit.count()), ring, &rung);
    bool held = done();
    while (!held && !rung) {
        g_main_context_iteration(nullptr, TRUE);
        held = done();
    }
    if (!rung) {
        g_source_remove(alarm);
    }
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
    // The alarm both wakes the loop and ends the wait.
    bool rung = false;
    QTimer alarm;
    alarm.setSingleShot(true);
    alarm.setTimerType(Qt::PreciseTimer);
    QObject::connect(&alarm, &QTimer::timeout, [&rung] { rung = true; });
    alarm.start(limit);
    bool held = done();
    while (!held && !rung) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        held = done();
    }
    return held;
}

} // namespace platform
