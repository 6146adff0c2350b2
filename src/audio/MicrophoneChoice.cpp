#include "audio/MicrophoneChoice.h"

#include "audio/Audio.h"

#include <algorithm>

namespace {

bool belongsToSpeakerphone(const platform::AudioDeviceInfo& input) {
    return Audio::isSpeakerName(input.name);
}

// Built into the computer, as its form factor says, else as its PCI or platform bus shows.
bool isInternal(const platform::AudioDeviceInfo& input) {
    if (!input.formFactor.empty()) {
        return input.formFactor == "internal";
    }
    return input.bus == "pci" || input.bus == "platform";
}

} // namespace

std::optional<platform::AudioDeviceInfo>
MicrophoneChoice::forMusic(const Inputs& inputs, const std::optional<std::string>& remembered) {
    const auto first = [&inputs](auto matches) -> std::optional<platform::AudioDeviceInfo> {
        const auto found = std::ranges::find_if(inputs, [&matches](const auto& input) {
            return !belongsToSpeakerphone(input) && matches(input);
        });
        return found != inputs.end() ? std::optional(*found) : std::nullopt;
    };
    if (remembered) {
        if (auto same = first([&](const auto& input) { return input.serverName == *remembered; })) {
            return same;
        }
    }
    // Webcams, headsets and line inputs come and go; the computer's own stays.
    if (auto internal = first(isInternal)) {
        return internal;
    }
    return first([](const auto&) { return true; });
}

std::optional<std::string>
MicrophoneChoice::toRemember(const Inputs& inputs, std::optional<platform::AudioDeviceID> current) {
    const auto listed = std::ranges::find_if(
        inputs, [&current](const auto& input) { return current && input.id == *current; });
    // Music mode leaves the speakerphone's microphone: never worth remembering.
    if (listed == inputs.end() || belongsToSpeakerphone(*listed) || listed->serverName.empty()) {
        return std::nullopt;
    }
    return listed->serverName;
}
