#include "platform/Reachability.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

using Fixed = platform::Reachability::Fixed;

namespace {

class ReachabilityTest : public ::testing::Test {
protected:
    ~ReachabilityTest() override { platform::Reachability::setFixed(previous); }

    void watch(platform::Reachability& monitor) {
        monitor.whenReachable = [this] { ++reachable; };
        monitor.whenUnreachable = [this] { ++unreachable; };
    }

    std::optional<Fixed> previous = platform::Reachability::setFixed(std::nullopt);
    int reachable = 0;
    int unreachable = 0;
};

TEST_F(ReachabilityTest, FixedStatesReportOnceFromTheMainQueueNotFromStart) {
    for (const Fixed fixed : {Fixed::reachable, Fixed::unreachable}) {
        platform::Reachability::setFixed(fixed);
        reachable = unreachable = 0;
        platform::Reachability monitor;
        watch(monitor);
        ASSERT_TRUE(monitor.startNotifier());
        EXPECT_EQ(reachable + unreachable, 0);
        QTest::qWait(20);
        EXPECT_EQ(reachable, fixed == Fixed::reachable ? 1 : 0);
        EXPECT_EQ(unreachable, fixed == Fixed::unreachable ? 1 : 0);
    }
    platform::Reachability::setFixed(Fixed::notifierFails);
    platform::Reachability failing;
    watch(failing);
    EXPECT_FALSE(failing.startNotifier());
    QTest::qWait(20);
    EXPECT_EQ(reachable + unreachable, 1);
}

TEST_F(ReachabilityTest, StoppedOrDestroyedMonitorsReportNothingMore) {
    platform::Reachability::setFixed(Fixed::reachable);
    platform::Reachability stopped;
    watch(stopped);
    ASSERT_TRUE(stopped.startNotifier());
    stopped.stopNotifier();
    {
        platform::Reachability gone;
        watch(gone);
        ASSERT_TRUE(gone.startNotifier());
    }
    QTest::qWait(20);
    EXPECT_EQ(reachable, 0);

    // Stopping from inside the callback, as the update check does, is fine.
    auto owned = std::make_unique<platform::Reachability>();
    owned->whenReachable = [&] {
        ++reachable;
        owned->stopNotifier();
        owned.reset();
    };
    ASSERT_TRUE(owned->startNotifier());
    QTest::qWait(20);
    EXPECT_EQ(reachable, 1);
}

TEST_F(ReachabilityTest, RealNetworkGivesExactlyOneAnswerWhateverTheBackend) {
    platform::Reachability monitor;
    watch(monitor);
    monitor.whenReachable = [&] {
        ++reachable;
        monitor.stopNotifier();
    };
    monitor.whenUnreachable = [&] {
        ++unreachable;
        monitor.stopNotifier();
    };
    ASSERT_TRUE(monitor.startNotifier());
    ASSERT_TRUE(QTest::qWaitFor([&] { return reachable + unreachable > 0; }, 2000));
    QTest::qWait(50);
    EXPECT_EQ(reachable + unreachable, 1);
}

} // namespace
