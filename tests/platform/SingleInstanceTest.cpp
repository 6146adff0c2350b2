#include "platform/SingleInstance.h"

#include "support/CapturedLog.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iostream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using platform::SingleInstance;
using namespace ::testing;

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
    // A listener of another user hears nothing of this launch.
    CapturedLog log;
    EXPECT_FALSE(SingleInstance(socket, nullptr, getuid() + 1).handOverToRunningInstance(1000));
    EXPECT_THAT(log.lines(), ElementsAre(HasSubstr("held by another user")));
    QTest::qWait(100);
    EXPECT_EQ(reopened.count(), 0);
}

TEST(SingleInstanceTest, OnlyAPrivateFolderOfThisUserHoldsTheSocket) {
    // Mode, owner, refused (files and links: below).
    for (const auto& [mode, owner, refused] :
         std::vector<std::tuple<mode_t, uid_t, bool>>{{S_IFDIR | 0700, getuid(), false},
                                                      {S_IFDIR | 0701, getuid(), true},
                                                      {S_IFDIR | 0700, getuid() + 1, true}}) {
        EXPECT_EQ(!SingleInstance::folderProblem(mode, owner, getuid()).empty(), refused)
            << std::oct << mode << " " << owner;
    }
    TemporaryHome home;
    CapturedLog log;
    const auto dir = [&](const std::string& name) { return home.path() / name; };
    const auto q = [](const std::filesystem::path& path) {
        return QString::fromStdString(path.string());
    };
    const QString squatted = q(dir("tmp") / ("app-" + std::to_string(getuid())));
    fs::create_directories(dir("runtime"));
    fs::create_directories(dir("tmp"));
    fs::permissions(dir("runtime"), fs::perms::owner_all);
    EXPECT_EQ(
        SingleInstance::socketPathIn(q(dir("runtime")), q(dir("tmp")), q(dir("cache")), "app"),
        q(dir("runtime") / "app.socket"));
    // A runtime folder open to others is passed over; the temporary one is made private.
    fs::permissions(dir("runtime"), fs::perms::all);
    EXPECT_EQ(
        SingleInstance::socketPathIn(q(dir("runtime")), q(dir("tmp")), q(dir("cache")), "app"),
        squatted + "/app.socket");
    EXPECT_EQ(fs::status(squatted.toStdString()).permissions(), fs::perms::owner_all);
    // Squats at that guessable name: a file, a link, an open folder, another user's (root only).
    std::vector<std::function<void()>> squats{
        [&] { writeFile(squatted.toStdString(), ""); },
        [&] {
            fs::create_directories(dir("elsewhere"));
            fs::permissions(dir("elsewhere"), fs::perms::owner_all);
            fs::create_directory_symlink(dir("elsewhere"), squatted.toStdString());
        },
        [&] { fs::create_directory(squatted.toStdString()); },
    };
    if (getuid() == 0) {
        squats.emplace_back([&] {
            fs::create_directory(squatted.toStdString());
            fs::permissions(squatted.toStdString(), fs::perms::owner_all);
            ASSERT_EQ(chown(squatted.toUtf8().constData(), 65534, 65534), 0);
        });
    }
    for (std::size_t i = 0; i < squats.size(); ++i) {
        fs::remove_all(squatted.toStdString());
        ::umask(022);
        squats[i]();
        log.clear();
        EXPECT_EQ(SingleInstance::socketPathIn({}, q(dir("tmp")), q(dir("cache")), "app"),
                  q(dir("cache") / "app" / "app.socket"))
            << i;
        EXPECT_THAT(log.lines(), ElementsAre(HasSubstr(squatted.toStdString()))) << i;
    }
}

// While the first launch holds the start-up lock, a second (this test in a child process)
// waits, then hands over rather than listening too.
TEST(SingleInstanceTest, ASecondLaunchWaitsForTheFirstAndHandsOver) {
    if (const char* socket = std::getenv("LUMATIX_LAUNCH_SOCKET")) {
        std::cout << "start=" << static_cast<int>(SingleInstance(socket).start(2000)) << std::endl;
        return;
    }
    TemporaryHome home;
    const std::string socket = (home.path() / "app.socket").string();
    const int lock = ::open((socket + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LUMATIX_LAUNCH_SOCKET", QString::fromStdString(socket));
    second.setProcessEnvironment(environment);
    second.start(QCoreApplication::applicationFilePath(),
                 {"--gtest_filter=SingleInstanceTest.ASecondLaunchWaitsForTheFirstAndHandsOver"});
    ASSERT_TRUE(second.waitForStarted(10000));
    QTest::qWait(300);
    EXPECT_FALSE(fs::exists(socket));
    SingleInstance first(QString::fromStdString(socket));
    QSignalSpy reopened(&first, &SingleInstance::reopenRequested);
    ASSERT_TRUE(first.listen());
    ::close(lock);
    EXPECT_TRUE(reopened.wait(10000));
    EXPECT_TRUE(second.waitForFinished(10000));
    EXPECT_TRUE(second.readAllStandardOutput().contains(
        "start=" + QByteArray::number(static_cast<int>(SingleInstance::Start::handedOver))));
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
