#include "platform/Timer.h"

#include "platform/MainQueue.h"

#include <QTest>
#include <gtest/gtest.h>
#include <thread>

using namespace std::chrono_literals;
using platform::Timer;

TEST(TimerTest, RepeatingTimerTicksUntilInvalidated) {
    int ticks = 0;
    auto timer = Timer::scheduled(5ms, true, [&] { ++ticks; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 5000));
    timer->invalidate();
    EXPECT_FALSE(timer->isValid());
    const int stopped = ticks;
    QTest::qWait(30);
    EXPECT_EQ(ticks, stopped);
}

TEST(TimerTest, OneShotFiresOnceAndIsSpent) {
    const int before = Timer::activeCount();
    int fired = 0;
    auto timer = Timer::scheduled(1ms, false, [&] { ++fired; });
    EXPECT_EQ(Timer::activeCount(), before + 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired == 1; }, 5000));
    QTest::qWait(20);
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(timer->isValid());
    EXPECT_EQ(Timer::activeCount(), before);
}

TEST(TimerTest, DestroyingATimerStopsItAndCountsItOff) {
    const int before = Timer::activeCount();
    int ticks = 0;
    {
        auto timer = Timer::scheduled(1ms, true, [&] { ++ticks; });
        EXPECT_EQ(Timer::activeCount(), before + 1);
    }
    EXPECT_EQ(Timer::activeCount(), before);
    QTest::qWait(20);
    EXPECT_EQ(ticks, 0);
}

TEST(TimerTest, TimerMayBeDestroyedByItsOwnTick) {
    std::unique_ptr<Timer> timer;
    int ticks = 0;
    timer = Timer::scheduled(1ms, true, [&] {
        ++ticks;
        timer.reset();
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return timer == nullptr; }, 5000));
    EXPECT_EQ(ticks, 1);
}

TEST(MainQueueTest, WorkFromAnotherThreadRunsOnTheMainThread) {
    const auto mainThread = std::this_thread::get_id();
    std::thread::id ranOn;
    bool delayedRan = false;
    std::thread worker([&] {
        platform::MainQueue::async([&] { ranOn = std::this_thread::get_id(); });
        platform::MainQueue::asyncAfter(10ms, [&] { delayedRan = true; });
    });
    worker.join();
    EXPECT_TRUE(QTest::qWaitFor([&] { return delayedRan; }, 5000));
    EXPECT_EQ(ranOn, mainThread);
}

TEST(MainQueueTest, DelayedWorkWaitsAndKeepsOrderWithImmediateWork) {
    std::vector<int> order;
    platform::MainQueue::asyncAfter(20ms, [&] { order.push_back(2); });
    platform::MainQueue::async([&] { order.push_back(1); });
    EXPECT_TRUE(order.empty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return order.size() == 2; }, 5000));
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}
