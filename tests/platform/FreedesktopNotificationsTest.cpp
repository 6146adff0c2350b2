#include "platform/FreedesktopNotifications.h"

#include "support/CapturedLog.h"
#include "support/PrivateBus.h"

#include <QObject>
#include <QTest>
#include <QVariantMap>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// Plays the desktop's notification server and keeps what it was asked to show.
class NotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList shown;

public slots:
    uint Notify(const QString& application, uint, const QString&, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap&, int) {
        shown << application + ": " + summary + " / " + body;
        return static_cast<uint>(shown.size());
    }
};

TEST(FreedesktopNotificationsTest, ShowsThroughTheServerAndLogsWithoutOne) {
    PrivateBus bus;
    auto client = bus.connect("client");
    ASSERT_TRUE(client.isConnected());
    CapturedLog log;
    platform::FreedesktopNotifications notices(client, "Lumatix", "lumatix");

    // Nobody serves notifications yet: a line, and nothing else happens.
    notices.notify("Music mode is back on", "");
    const auto refused = [&log] {
        return std::ranges::any_of(log.lines(), [](const std::string& line) {
            return line.starts_with("notice not shown: ");
        });
    };
    EXPECT_TRUE(QTest::qWaitFor(refused, 5000));

    auto serverBus = bus.connect("server");
    NotificationServer server;
    ASSERT_TRUE(serverBus.registerObject("/org/freedesktop/Notifications", &server,
                                         QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serverBus.registerService("org.freedesktop.Notifications"));
    notices.notify("Meeting mode is on", "Zoom is using the microphone");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !server.shown.isEmpty(); }, 5000));
    EXPECT_EQ(server.shown,
              QStringList{"Lumatix: Meeting mode is on / Zoom is using the microphone"});
    EXPECT_TRUE(log.contains("notice: Meeting mode is on (Zoom is using the microphone)"));

    for (const auto* name : {"client", "server"}) {
        QDBusConnection::disconnectFromBus(name);
    }
}

} // namespace

#include "FreedesktopNotificationsTest.moc"
