#include "audio/BluetoothProfiles.h"

namespace {

template <typename Belongs>
std::optional<std::string> best(const platform::AudioCardInfo& card, Belongs belongs) {
    const platform::AudioCardProfile* chosen = nullptr;
    for (const auto& profile : card.profiles) {
        // On equal priority the server's own order decides.
        if (profile.available && belongs(profile) &&
            (chosen == nullptr || profile.priority > chosen->priority)) {
            chosen = &profile;
        }
    }
    return chosen != nullptr ? std::optional(chosen->name) : std::nullopt;
}

} // namespace

// "headset_head_unit", "handsfree_head_unit" (PulseAudio), "headset-head-unit-msbc" (PipeWire).
bool BluetoothProfiles::isHeadsetProfile(std::string_view name) {
    return name.find("head_unit") != std::string_view::npos ||
           name.find("head-unit") != std::string_view::npos;
}

// "a2dp_sink", "a2dp_sink_aac" (PulseAudio), "a2dp-sink-sbc_xq" (PipeWire); never a2dp_source,
// which plays a phone's music on the computer.
bool BluetoothProfiles::isMusicProfile(std::string_view name) {
    return name.starts_with("a2dp_sink") || name.starts_with("a2dp-sink");
}

std::optional<std::string> BluetoothProfiles::meetingProfile(const platform::AudioCardInfo& card) {
    return best(card, [](const platform::AudioCardProfile& profile) {
        return isHeadsetProfile(profile.name) && profile.inputs > 0;
    });
}

std::optional<std::string> BluetoothProfiles::musicProfile(const platform::AudioCardInfo& card) {
    return best(card, [](const platform::AudioCardProfile& profile) {
        return isMusicProfile(profile.name) && profile.outputs > 0;
    });
}
