#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace platform {

// Diagnostic lines on standard output, one line per call.
class Log {
public:
    using Sink = std::function<void(const std::string& line)>;

    static void line(std::string_view text);

    // Replaces where lines go (tests capture them); returns the previous sink.
    // An empty sink restores standard output.
    static Sink setSink(Sink sink);
};

} // namespace platform
