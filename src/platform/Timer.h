#pragma once

#include <chrono>
#include <functional>
#include <memory>

class QTimer;

namespace platform {

// A timer on the main thread's event loop. Destroying it stops it.
class Timer {
public:
    enum Repeat { once, repeating };

    static std::unique_ptr<Timer> scheduled(std::chrono::milliseconds interval, Repeat repeat,
                                            std::function<void()> block);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void invalidate();
    [[nodiscard]] bool isValid() const;
    [[nodiscard]] std::chrono::milliseconds interval() const { return interval_; }
    [[nodiscard]] bool repeats() const { return repeats_; }
    // When the timer fires next, on the monotonic clock.
    [[nodiscard]] std::chrono::steady_clock::time_point fireDate() const { return fireDate_; }

    // Timers currently scheduled in the process; lets tests see that none is left behind.
    [[nodiscard]] static int activeCount();

private:
    Timer(std::chrono::milliseconds interval, bool repeats, std::function<void()> block);
    void fire();

    static int onGLibTimeout(void* timer);
    std::unique_ptr<QTimer> timer_;
    unsigned glibSource_ = 0; // without a QCoreApplication (the one-shot command line)
    std::chrono::milliseconds interval_;
    bool repeats_;
    std::chrono::steady_clock::time_point fireDate_;
    std::function<void()> block_;
};

} // namespace platform
