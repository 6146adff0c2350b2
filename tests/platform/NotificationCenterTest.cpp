#include "platform/NotificationCenter.h"

#include <gtest/gtest.h>
#include <thread>

using platform::NotificationCenter;
using Calls = std::vector<std::string>;

TEST(NotificationCenterTest, DeliversByNameOnThePostingThreadToObserversStillRegistered) {
    NotificationCenter center;
    Calls calls;
    int a = 0, b = 0, c = 0;
    std::thread::id deliveredOn;
    center.addObserver(&b, "checkStatus", [&] { calls.push_back("b"); });
    center.addObserver(&a, "checkStatus", [&] { calls.push_back("a"); });
    center.addObserver(&a, "getRegion", [&] { deliveredOn = std::this_thread::get_id(); });
    center.post("checkStatus");
    center.post("nobody listens");
    std::thread([&] { center.post("getRegion"); }).join();
    EXPECT_EQ(calls, (Calls{"b", "a"}));
    EXPECT_NE(deliveredOn, std::thread::id()); // at once, on the thread that posted
    EXPECT_NE(deliveredOn, std::this_thread::get_id());

    // Removing an observer ends all its names, also in the middle of a post; one added
    // during a post hears from the next post on.
    center.addObserver(&c, "openInfo", [&] {
        calls.push_back("c");
        center.removeObserver(&c);
        center.removeObserver(&a);
        center.addObserver(&b, "openInfo", [&] { calls.push_back("b added"); });
    });
    center.addObserver(&a, "openInfo", [&] { calls.push_back("a"); });
    calls.clear();
    deliveredOn = {};
    for (const char* name : {"openInfo", "openInfo", "checkStatus", "getRegion"}) {
        center.post(name);
    }
    EXPECT_EQ(calls, (Calls{"c", "b added", "b"}));
    EXPECT_EQ(deliveredOn, std::thread::id());
}
