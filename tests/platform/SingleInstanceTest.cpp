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
    EXPECT_EQ(reopened.takeFirst().front().toString(), QString());
    // The launch's activation token goes along, so the window may be raised on Wayland.
    EXPECT_TRUE(SingleInstance(socket).handOverToRunningInstance(1000, "weston-4:7_ab/c="));
    EXPECT_TRUE(reopened.wait(5000));
    EXPECT_EQ(reopened.takeFirst().front().toString(), "weston-4:7_ab/c=");

    home.setEnv("XDG_RUNTIME_DIR", std::nullopt);
    EXPECT_TRUE(SingleInstance::socketPathFor("app").endsWith(
        QStringLiteral("app-%1.socket").arg(getuid())));
}

// Lines from later launches: the request, with or without a token; anything else is nothing.
TEST(SingleInstanceTest, OnlyReopenLinesAskAndOnlyPlainTokensGoAlong) {
    const QString longest(256, QLatin1Char('t'));
    const std::vector<std::pair<QByteArray, std::optional<QString>>> cases{
        {"reopen\n", QString()},
        {"reopen abc-123\n", QString("abc-123")},
        {"reopen " + longest.toLatin1() + "\n", longest},
        {"reopen " + longest.toLatin1() + "t\n", QString()},
        {"reopen a b\n", QString()},
        {"reopen $(rm)\n", QString()},
        {"reopen \n", QString()},
        {"reopen abc", std::nullopt},
        {"reopen", std::nullopt},
        {"quit\n", std::nullopt},
        {"REOPEN\n", std::nullopt},
    };
    for (const auto& [line, expected] : cases) {
        EXPECT_EQ(SingleInstance::reopenRequestIn(line), expected) << line.toStdString();
    }
}
