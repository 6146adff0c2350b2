#pragma once

#include <cstdint>

// The update window to show next when a secondary window closes: 0 none, 1 checking,
// 2 new version, 3 downloading, 4 up to date. Main thread only.
inline std::uint8_t pendingUpdateScreen = 0;
