#include "platform/SleepWatcher.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A private bus, so that logind can be played without touching the system's.
class PrivateBus {
public:
    PrivateBus() {
        daemon_.start(
            QStringLiteral("dbus-daemon"),
            {QStringLiteral("--session"), QStringLiteral("--nofork"),
             QStringLiteral("--print-address=1"),
             QStringLiteral("--address=unix:path=") + folder_.filePath(QStringLiteral("bus"))});
        if (daemon_.waitForReadyRead(10000)) {
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        }
    }
    ~PrivateBus() {
        daemon_.kill();
        daemon_.waitForFinished();
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    [[nodiscard]] QDBusConnection connect(const QString& name) const {
        return QDBusConnection::connectToBus(address_, name);
    }

private:
    QTemporaryDir folder_;
    QProcess daemon_;
    QString address_;
};

void sendSignal(const QDBusConnection& from, const QString& member, bool goingToSleep) {
    auto message =
        QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                   QStringLiteral("org.freedesktop.login1.Manager"), member);
    message << goingToSleep;
    ASSERT_TRUE(from.send(message));
}

} // namespace

// Only logind's own PrepareForSleep(false) means the computer is awake again.
TEST(SleepWatcherTest, WakesOnlyOnLogindsResume) {
    PrivateBus bus;
    auto logind = bus.connect(QStringLiteral("logind"));
    auto impostor = bus.connect(QStringLiteral("impostor"));
    ASSERT_TRUE(logind.isConnected() && impostor.isConnected());
    ASSERT_TRUE(logind.registerService(QStringLiteral("org.freedesktop.login1")));
    int resumes = 0;
    platform::SleepWatcher watcher(bus.connect(QStringLiteral("watcher")), [&] { ++resumes; });
    ASSERT_TRUE(watcher.isWatching());

    const struct {
        QDBusConnection* from;
        const char* member;
        bool goingToSleep;
        int resumes;
    } signals_[] = {
        {&logind, "PrepareForSleep", true, 0},    {&logind, "PrepareForSleep", false, 1},
        {&impostor, "PrepareForSleep", false, 1}, {&logind, "PrepareForShutdown", false, 1},
        {&logind, "PrepareForSleep", false, 2},
    };
    for (const auto& s : signals_) {
        sendSignal(*s.from, QString::fromLatin1(s.member), s.goingToSleep);
        // A signal that should not count is given the same time to arrive.
        (void)QTest::qWaitFor([&] { return resumes == s.resumes; }, 2000);
        QTest::qWait(50);
        EXPECT_EQ(resumes, s.resumes) << s.member << ' ' << s.goingToSleep;
    }
    for (const auto* name : {"logind", "impostor", "watcher"}) {
        QDBusConnection::disconnectFromBus(QString::fromLatin1(name));
    }
}

// No bus at all (a container, say): nothing is watched and nothing breaks.
TEST(SleepWatcherTest, WithoutABusWatchesNothing) {
    platform::SleepWatcher watcher(
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/lumatix-bus"),
                                      QStringLiteral("absent")),
        [] { ADD_FAILURE(); });
    EXPECT_FALSE(watcher.isWatching());
    QDBusConnection::disconnectFromBus(QStringLiteral("absent"));
}
