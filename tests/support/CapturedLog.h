#pragma once

#include "platform/Log.h"

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

// Collects the application's diagnostic lines while it exists, in one list for the process.
class CapturedLog {
public:
    CapturedLog() {
        clear();
        platform::Log::setSink([](const std::string& line) {
            std::lock_guard lock(mutex_);
            lines_.push_back(line);
        });
    }
    ~CapturedLog() { platform::Log::setSink({}); }
    CapturedLog(const CapturedLog&) = delete;
    CapturedLog& operator=(const CapturedLog&) = delete;

    [[nodiscard]] std::vector<std::string> lines() const {
        std::lock_guard lock(mutex_);
        return lines_;
    }
    [[nodiscard]] int count(const std::string& line) const {
        return static_cast<int>(std::ranges::count(lines(), line));
    }
    [[nodiscard]] bool contains(const std::string& line) const { return count(line) > 0; }
    void clear() {
        std::lock_guard lock(mutex_);
        lines_.clear();
    }

private:
    static inline std::mutex mutex_;
    static inline std::vector<std::string> lines_;
};
