#pragma once

#include "platform/AudioHardware.h"

#include <optional>
#include <string>
#include <string_view>

// Which profile a Bluetooth card takes in each mode. A speakerphone's microphone exists only
// in a headset profile (HFP/HSP head unit); music sounds best in A2DP, which has no input.
// Servers name the same profiles differently and add codec variants, so profiles are told by
// their family and chosen by what the server says of them: usable, then highest priority.
class BluetoothProfiles {
public:
    [[nodiscard]] static bool isHeadsetProfile(std::string_view name);
    [[nodiscard]] static bool isMusicProfile(std::string_view name);
    // The headset profile to switch to for a meeting; none on a card without one.
    [[nodiscard]] static std::optional<std::string>
    meetingProfile(const platform::AudioCardInfo& card);
    // The A2DP profile to go back to for music; none on a card without one.
    [[nodiscard]] static std::optional<std::string>
    musicProfile(const platform::AudioCardInfo& card);
};
