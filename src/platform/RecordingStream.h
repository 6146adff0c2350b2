#pragma once

#include "platform/AudioHardware.h"

#include <cstdint>
#include <string>

namespace platform {

// A program recording from an input, as the sound server describes it.
struct RecordingStream {
    std::uint32_t id = 0;
    AudioDeviceID source = 0;
    // Recording what an output plays (a monitor) rather than a microphone.
    bool fromMonitor = false;
    // A level meter's stream (the server resamples it to peaks), not a recording.
    bool peakMeter = false;
    // What the program says of itself; each may be empty.
    std::string applicationName; // "ZOOM VoiceEngine"
    std::string processBinary;   // "zoom"
    std::string applicationId;   // "us.zoom.Zoom"

    friend bool operator==(const RecordingStream&, const RecordingStream&) = default;
};

} // namespace platform
