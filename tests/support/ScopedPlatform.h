#pragma once

#include "platform/Platform.h"

// Installs platform doubles for the lifetime of a test and puts the previous ones back.
class ScopedPlatform {
public:
    explicit ScopedPlatform(const platform::Platform::Services& services)
        : previous_(platform::Platform::install(services)) {}
    ~ScopedPlatform() { platform::Platform::restore(previous_); }
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    platform::Platform::Services previous_;
};
