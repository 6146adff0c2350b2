#pragma once

#include "platform/AudioHardware.h"

#include <optional>
#include <string>
#include <vector>

// Which recording streams belong to a call: a conferencing program, or a browser, since
// meetings in a browser are calls too, recording from a microphone.
class CallStreams {
public:
    // The program's name as people know it ("Zoom"), or none when the stream is not a call.
    [[nodiscard]] static std::optional<std::string>
    callApplication(const platform::RecordingStream& stream);
    // The first call among the streams, in the server's order.
    [[nodiscard]] static std::optional<std::string>
    firstCall(const std::vector<platform::RecordingStream>& streams);
};
