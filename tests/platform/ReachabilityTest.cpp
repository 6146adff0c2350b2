#include "platform/Reachability.h"

#include <QTest>
#include <gtest/gtest.h>

// Whatever backend the desktop has (or none), the monitor answers exactly once from the main
// queue, never from inside startNotifier(), and a stopped or destroyed one says nothing more.
TEST(ReachabilityTest, OneQueuedAnswerAndSilenceOnceStopped) {
    int answers = 0;
    auto monitor = std::make_unique<platform::Reachability>();
    // Stopping and destroying from inside the callback, as the update check does, is fine.
    const auto answer = [&] {
        ++answers;
        monitor->stopNotifier();
        monitor.reset();
    };
    monitor->whenReachable = answer;
    monitor->whenUnreachable = answer;
    ASSERT_TRUE(monitor->startNotifier());
    EXPECT_EQ(answers, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answers > 0; }, 2000));

    platform::Reachability stopped;
    stopped.whenReachable = stopped.whenUnreachable = [&] { ++answers; };
    ASSERT_TRUE(stopped.startNotifier());
    stopped.stopNotifier();
    {
        platform::Reachability gone;
        gone.whenReachable = gone.whenUnreachable = [&] { ++answers; };
        ASSERT_TRUE(gone.startNotifier());
    }
    QTest::qWait(50);
    EXPECT_EQ(answers, 1);
}
