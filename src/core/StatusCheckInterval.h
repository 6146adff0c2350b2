#pragma once

#include <chrono>

// How often the connection monitor and the screens that show a live status look again.
inline constexpr std::chrono::milliseconds statusCheckInterval{3000};
