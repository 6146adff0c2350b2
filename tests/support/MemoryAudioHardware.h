#pragma once

#include "platform/AudioHardware.h"

#include <optional>

namespace platform {

// Audio devices held in memory, for tests and previews.
class MemoryAudioHardware final : public AudioHardware {
public:
    [[nodiscard]] std::vector<AudioDeviceInfo> outputDevices() override;
    [[nodiscard]] std::vector<AudioDeviceInfo> inputOnlyDevices() override;
    int setDefaultOutputDevice(AudioDeviceID output) override;
    int setDefaultInputDevice(AudioDeviceID input) override;

    void setOutputs(std::vector<AudioDeviceInfo> outputs) { outputs_ = std::move(outputs); }
    void setInputs(std::vector<AudioDeviceInfo> inputs) { inputs_ = std::move(inputs); }

    [[nodiscard]] std::optional<AudioDeviceID> defaultOutput() const { return defaultOutput_; }
    [[nodiscard]] std::optional<AudioDeviceID> defaultInput() const { return defaultInput_; }
    [[nodiscard]] int enumerationCount() const { return enumerations_; }
    // Every identifier a setter was asked for, whether it existed or not.
    [[nodiscard]] const std::vector<AudioDeviceID>& outputRequests() const {
        return outputRequests_;
    }
    [[nodiscard]] const std::vector<AudioDeviceID>& inputRequests() const { return inputRequests_; }

private:
    std::vector<AudioDeviceInfo> outputs_;
    std::vector<AudioDeviceInfo> inputs_;
    std::optional<AudioDeviceID> defaultOutput_;
    std::optional<AudioDeviceID> defaultInput_;
    std::vector<AudioDeviceID> outputRequests_;
    std::vector<AudioDeviceID> inputRequests_;
    int enumerations_ = 0;
};

} // namespace platform
