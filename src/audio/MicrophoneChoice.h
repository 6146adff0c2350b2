#pragma once

#include "platform/AudioHardware.h"

#include <optional>
#include <string>
#include <vector>

// Which microphone Music mode gives the input to, and which one Meeting mode remembers for it.
// Microphones are remembered by the server's name, which outlives the process and the server.
class MicrophoneChoice {
public:
    using Inputs = std::vector<platform::AudioDeviceInfo>;

    // The remembered microphone while it is there; else one built into the computer; else the
    // first in the system's order. Never the speakerphone's.
    [[nodiscard]] static std::optional<platform::AudioDeviceInfo>
    forMusic(const Inputs& inputs, const std::optional<std::string>& remembered);
    // The server's name of the microphone in use, when Meeting mode is about to take over
    // from it; none for the speakerphone's own or one the system does not list.
    [[nodiscard]] static std::optional<std::string>
    toRemember(const Inputs& inputs, std::optional<platform::AudioDeviceID> current);
};
