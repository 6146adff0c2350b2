#include "platform/NotificationCenter.h"

#include <gtest/gtest.h>

using platform::NotificationCenter;
using Calls = std::vector<std::string>;

// At once, in the order the observers came. Removing an observer ends all its names, also in
// the middle of a post; one added during a post hears from the next post on.
TEST(NotificationCenterTest, DeliversByNameToObserversStillRegistered) {
    NotificationCenter center;
    Calls calls;
    int a = 0, b = 0, c = 0;
    center.addObserver(&b, "checkStatus", [&] { calls.push_back("b"); });
    center.addObserver(&a, "checkStatus", [&] { calls.push_back("a"); });
    center.post("checkStatus");
    center.post("nobody listens");
    EXPECT_EQ(calls, (Calls{"b", "a"}));

    center.addObserver(&c, "openInfo", [&] {
        calls.push_back("c");
        center.removeObserver(&c);
        center.removeObserver(&a);
        center.addObserver(&b, "openInfo", [&] { calls.push_back("b added"); });
    });
    center.addObserver(&a, "openInfo", [&] { calls.push_back("a"); });
    calls.clear();
    for (const char* name : {"openInfo", "openInfo", "checkStatus"}) {
        center.post(name);
    }
    EXPECT_EQ(calls, (Calls{"c", "b added", "b"}));
}
