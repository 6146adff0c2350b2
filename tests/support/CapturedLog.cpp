#include "support/CapturedLog.h"

#include "platform/Log.h"

#include <algorithm>
#include <mutex>

namespace {
std::mutex capturedMutex;
std::vector<std::string> captured;
} // namespace

CapturedLog::CapturedLog() {
    clear();
    platform::Log::setSink([](const std::string& line) {
        std::lock_guard lock(capturedMutex);
        captured.push_back(line);
    });
}

CapturedLog::~CapturedLog() { platform::Log::setSink({}); }

std::vector<std::string> CapturedLog::lines() const {
    std::lock_guard lock(capturedMutex);
    return captured;
}

int CapturedLog::count(const std::string& line) const {
    std::lock_guard lock(capturedMutex);
    return static_cast<int>(std::count(captured.begin(), captured.end(), line));
}

void CapturedLog::clear() {
    std::lock_guard lock(capturedMutex);
    captured.clear();
}
