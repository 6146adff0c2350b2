#pragma once

#include <chrono>
#include <functional>

namespace platform {

// Work queued to run later on the main (GUI) thread's event loop, from any thread.
class MainQueue {
public:
    static void async(std::function<void()> work);
    static void asyncAfter(std::chrono::milliseconds delay, std::function<void()> work);
};

} // namespace platform
