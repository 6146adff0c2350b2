#pragma once

#include <string>
#include <vector>

// Collects the application's diagnostic lines while it exists.
class CapturedLog {
public:
    CapturedLog();
    ~CapturedLog();
    CapturedLog(const CapturedLog&) = delete;
    CapturedLog& operator=(const CapturedLog&) = delete;

    [[nodiscard]] std::vector<std::string> lines() const;
    [[nodiscard]] int count(const std::string& line) const;
    [[nodiscard]] bool contains(const std::string& line) const { return count(line) > 0; }
    void clear();
};
