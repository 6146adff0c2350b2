#include "platform/SingleInstance.h"

#include "support/TemporaryHome.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

using platform::SingleInstance;

// A second launch hands over; a socket left by a crash is taken over; strangers are ignored.
TEST(SingleInstanceTest, SecondLaunchBringsTheFirstForward) {
    TemporaryHome home;
    const QString socket = QString::fromStdString((home.path() / "instance.socket").string());
    std::ofstream(home.path() / "instance.socket") << "";
    SingleInstance first(socket);
    EXPECT_FALSE(first.handOverToRunningInstance(200));
    ASSERT_TRUE(first.listen());
    QSignalSpy reopened(&first, &SingleInstance::reopenRequested);

    QLocalSocket stranger;
    stranger.connectToServer(socket);
    ASSERT_TRUE(stranger.waitForConnected(2000));
    stranger.write(QByteArray(4096, 'x') + "quit\n");
    stranger.waitForBytesWritten(2000);
    QTest::qWait(100);
    EXPECT_EQ(reopened.count(), 0);

    EXPECT_TRUE(SingleInstance(socket).handOverToRunningInstance());
    EXPECT_TRUE(reopened.wait(5000));
    EXPECT_EQ(reopened.count(), 1);

    home.setEnv("XDG_RUNTIME_DIR", std::nullopt);
    EXPECT_TRUE(SingleInstance::socketPathFor("app").endsWith(
        QStringLiteral("app-%1.socket").arg(getuid())));
}
