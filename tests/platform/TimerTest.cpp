#include "platform/Timer.h"

#include "platform/MainQueue.h"

#include <QTest>
#include <gtest/gtest.h>
#include <thread>

using namespace std::chrono_literals;
using platform::Timer;

// What the ticks do, never when: the short waits let a timer that wrongly runs on show it.
TEST(TimerTest, RepeatingTicksUntilInvalidatedOneShotOnceAndNoneAfterDestruction) {
    const int before = Timer::activeCount();
    int ticks = 0, once = 0;
    auto repeating = Timer::scheduled(1ms, Timer::repeating, [&] { ++ticks; });
    auto oneShot = Timer::scheduled(1ms, Timer::once, [&] { ++once; });
    auto destroyed = Timer::scheduled(1ms, Timer::repeating, [&] { ++once; });
    std::unique_ptr<Timer> self = Timer::scheduled(1ms, Timer::repeating, [&] {
        self.reset(); // ends its own timer, then still uses what it captured
        ++once;
    });
    destroyed.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 3 && once >= 1 && self == nullptr; }, 5000));
    repeating->invalidate();
    const int stopped = ticks;
    QTest::qWait(20);
    EXPECT_EQ(ticks, stopped);
    EXPECT_EQ(once, 2); // the one-shot and the self-ending timer, each once
    EXPECT_EQ(Timer::activeCount(), before);
}

TEST(MainQueueTest, WorkFromAnotherThreadRunsOnTheMainThread) {
    std::vector<std::thread::id> ranOn;
    std::thread([&] {
        platform::MainQueue::asyncAfter(10ms, [&] { ranOn.push_back(std::this_thread::get_id()); });
        platform::MainQueue::async([&] { ranOn.push_back(std::this_thread::get_id()); });
    }).join();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ranOn.size() == 2; }, 5000));
    EXPECT_EQ(ranOn, std::vector<std::thread::id>(2, std::this_thread::get_id()));
}
