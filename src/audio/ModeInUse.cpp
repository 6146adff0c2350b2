#include "audio/ModeInUse.h"

#include "audio/Audio.h"

ModeInUse modeInUse(std::optional<std::string_view> defaultOutputName,
                    std::optional<std::string_view> defaultInputName) {
    if (!defaultOutputName || !Audio::isSpeakerName(*defaultOutputName)) {
        return ModeInUse::none;
    }
    const bool inputOnSpeaker = defaultInputName && Audio::isSpeakerName(*defaultInputName);
    return inputOnSpeaker ? ModeInUse::meeting : ModeInUse::music;
}
