#include "platform/SleepWatcher.h"

#include "support/PrivateBus.h"

#include <QDBusMessage>
#include <QTest>
#include <gtest/gtest.h>

// Only logind's own PrepareForSleep(false) means the computer is awake again.
TEST(SleepWatcherTest, WakesOnlyOnLogindsResume) {
    PrivateBus bus;
    auto logind = bus.connect("logind");
    auto impostor = bus.connect("impostor");
    ASSERT_TRUE(logind.isConnected() && impostor.isConnected());
    ASSERT_TRUE(logind.registerService("org.freedesktop.login1"));
    int resumes = 0;
    platform::SleepWatcher watcher(bus.connect("watcher"), [&] { ++resumes; });
    ASSERT_TRUE(watcher.isWatching());
    // Sender, signal, its argument, and the resumes counted after it.
    const std::tuple<QDBusConnection*, const char*, bool, int> signals_[] = {
        {&logind, "PrepareForSleep", true, 0},    {&logind, "PrepareForSleep", false, 1},
        {&impostor, "PrepareForSleep", false, 1}, {&logind, "PrepareForShutdown", false, 1},
        {&logind, "PrepareForSleep", false, 2},
    };
    for (const auto& [from, member, goingToSleep, expected] : signals_) {
        auto message = QDBusMessage::createSignal("/org/freedesktop/login1",
                                                  "org.freedesktop.login1.Manager", member);
        ASSERT_TRUE(from->send(message << goingToSleep));
        // A signal that should not count is given the same time to arrive.
        (void)QTest::qWaitFor([&] { return resumes == expected; }, 2000);
        QTest::qWait(50);
        EXPECT_EQ(resumes, expected) << member << ' ' << goingToSleep;
    }
    for (const auto* name : {"logind", "impostor", "watcher"}) {
        QDBusConnection::disconnectFromBus(name);
    }
}

// No bus at all (a container, say): nothing is watched and nothing breaks.
TEST(SleepWatcherTest, WithoutABusWatchesNothing) {
    platform::SleepWatcher watcher(
        QDBusConnection::connectToBus("unix:path=/nonexistent/lumatix-bus", "absent"),
        [] { ADD_FAILURE(); });
    EXPECT_FALSE(watcher.isWatching());
    QDBusConnection::disconnectFromBus("absent");
}
