#pragma once

#include "platform/AudioHardware.h"

#include <optional>
#include <string>

// The speakerphone as found by the last refresh; present exactly when it has a name.
struct SpeakerDevice {
    std::optional<std::string> name;
    platform::AudioDeviceID deviceID = 0;
    // Set while the speakerphone's card changes profile: its devices go before the new ones
    // come, and a refresh in that gap keeps the record as it was.
    bool held = false;

    [[nodiscard]] bool isPresent() const { return name.has_value(); }
};

// The process-wide record, read and written on the main thread only.
SpeakerDevice& speakerDevice();
