#pragma once

#include <chrono>
#include <functional>

namespace platform {

// Work queued to run later on the main (GUI) thread's event loop, from any thread.
class MainQueue {
public:
    static void async(std::function<void()> work);
    static void asyncAfter(std::chrono::milliseconds delay, std::function<void()> work);
    // Runs the main event loop until done() holds or the limit passes, and says whether it
    // held. Only where waiting is the point: the command line, and start-up before any window.
    static bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);
};

} // namespace platform
