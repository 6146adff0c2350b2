#include "platform/NotificationCenter.h"

#include <gtest/gtest.h>
#include <thread>

using platform::NotificationCenter;

TEST(NotificationCenterTest, DeliversToMatchingObserversInRegistrationOrder) {
    NotificationCenter center;
    std::vector<std::string> calls;
    int first = 0;
    int second = 0;
    center.addObserver(&second, "checkStatus", [&] { calls.push_back("second"); });
    center.addObserver(&first, "checkStatus", [&] { calls.push_back("first"); });
    center.addObserver(&first, "openInfo", [&] { calls.push_back("info"); });

    center.post("checkStatus");
    EXPECT_EQ(calls, (std::vector<std::string>{"second", "first"}));
    center.post("nobody listens");
    EXPECT_EQ(calls.size(), 2u);
}

TEST(NotificationCenterTest, RemovingAnObserverRemovesAllItsNames) {
    NotificationCenter center;
    int observer = 0;
    int other = 0;
    int calls = 0;
    center.addObserver(&observer, "checkStatus", [&] { ++calls; });
    center.addObserver(&observer, "openSetting", [&] { ++calls; });
    center.addObserver(&other, "checkStatus", [&] { calls += 10; });

    center.removeObserver(&observer);
    center.post("checkStatus");
    center.post("openSetting");
    EXPECT_EQ(calls, 10);
    EXPECT_EQ(center.observerCount("openSetting"), 0);
}

TEST(NotificationCenterTest, ObserverRemovedDuringDeliveryIsNotCalledAfterwards) {
    NotificationCenter center;
    int first = 0;
    int second = 0;
    int secondCalls = 0;
    center.addObserver(&first, "checkStatus", [&] { center.removeObserver(&second); });
    center.addObserver(&second, "checkStatus", [&] { ++secondCalls; });
    center.post("checkStatus");
    EXPECT_EQ(secondCalls, 0);
}

TEST(NotificationCenterTest, ObserverMayRemoveItselfAndAddOthersWhileRunning) {
    NotificationCenter center;
    int self = 0;
    int added = 0;
    int calls = 0;
    center.addObserver(&self, "checkStatus", [&] {
        ++calls;
        center.removeObserver(&self);
        center.addObserver(&added, "checkStatus", [&] { calls += 100; });
    });
    center.post("checkStatus");
    EXPECT_EQ(calls, 1);
    center.post("checkStatus");
    EXPECT_EQ(calls, 101);
}

TEST(NotificationCenterTest, DeliversOnThePostingThread) {
    NotificationCenter center;
    int observer = 0;
    std::thread::id deliveredOn;
    center.addObserver(&observer, "getRegion", [&] { deliveredOn = std::this_thread::get_id(); });
    std::thread::id poster;
    std::thread thread([&] {
        poster = std::this_thread::get_id();
        center.post("getRegion");
    });
    thread.join();
    EXPECT_EQ(deliveredOn, poster);
}
