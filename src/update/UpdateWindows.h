#pragma once

#include <cstdint>
#include <memory>

class ViewController;

// Makes the update window that pendingUpdateScreen names, for the screen that presents it.
class UpdateWindows {
public:
    // 1 checking, 2 new version, 3 downloading, 4 up to date; null for anything else.
    static std::unique_ptr<ViewController> make(std::uint8_t screen);
};
