#pragma once

#include <QString>

namespace platform {

// An exclusive lock on a file, held from construction until destruction: launches at the same
// moment take turns deciding whether to hand over or to listen. The kernel releases it when its
// holder dies, so a crash never leaves it taken.
class StartupLock {
public:
    // Waits up to five seconds; one held longer is stuck, and the launch goes ahead with a line.
    explicit StartupLock(const QString& path);
    ~StartupLock();
    StartupLock(const StartupLock&) = delete;
    StartupLock& operator=(const StartupLock&) = delete;

private:
    int fd_ = -1;
};

} // namespace platform
