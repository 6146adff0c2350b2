#include "platform/SingleInstance.h"

#include "support/TemporaryHome.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

using platform::SingleInstance;

namespace {

QString socketIn(const TemporaryHome& home) {
    return QString::fromStdString((home.path() / "instance.socket").string());
}

} // namespace

TEST(SingleInstanceTest, SecondLaunchHandsOverAndTheFirstComesForward) {
    TemporaryHome home;
    SingleInstance running(socketIn(home));
    ASSERT_TRUE(running.listen());
    QSignalSpy reopened(&running, &SingleInstance::reopenRequested);

    SingleInstance second(socketIn(home));
    EXPECT_TRUE(second.handOverToRunningInstance());
    EXPECT_TRUE(reopened.wait(5000));
    EXPECT_EQ(reopened.count(), 1);
}

TEST(SingleInstanceTest, FirstLaunchFindsNobodyAndTakesOverALeftoverSocket) {
    TemporaryHome home;
    // What a crashed instance leaves behind.
    std::ofstream(home.path() / "instance.socket") << "";
    SingleInstance first(socketIn(home));
    EXPECT_FALSE(first.handOverToRunningInstance(200));
    EXPECT_TRUE(first.listen());

    QSignalSpy reopened(&first, &SingleInstance::reopenRequested);
    EXPECT_TRUE(SingleInstance(socketIn(home)).handOverToRunningInstance());
    EXPECT_TRUE(reopened.wait(5000));
}

TEST(SingleInstanceTest, OtherMessagesAreIgnored) {
    TemporaryHome home;
    SingleInstance running(socketIn(home));
    ASSERT_TRUE(running.listen());
    QSignalSpy reopened(&running, &SingleInstance::reopenRequested);

    QLocalSocket stranger;
    stranger.connectToServer(socketIn(home));
    ASSERT_TRUE(stranger.waitForConnected(2000));
    stranger.write(QByteArray(4096, 'x'));
    stranger.write("quit\n");
    stranger.waitForBytesWritten(2000);
    QTest::qWait(100);
    EXPECT_EQ(reopened.count(), 0);
}

TEST(SingleInstanceTest, SocketPathIsPerUser) {
    TemporaryHome home;
    home.setEnv("XDG_RUNTIME_DIR", home.path().string());
    EXPECT_EQ(SingleInstance::socketPathFor("app"),
              QString::fromStdString((home.path() / "app.socket").string()));
    home.setEnv("XDG_RUNTIME_DIR", std::nullopt);
    EXPECT_TRUE(SingleInstance::socketPathFor("app").endsWith(
        QStringLiteral("app-%1.socket").arg(getuid())));
}
