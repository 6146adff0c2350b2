#include "support/MemoryAudioHardware.h"

namespace platform {

std::vector<AudioDeviceInfo> MemoryAudioHardware::outputDevices() {
    ++enumerations_;
    return outputs_;
}

std::vector<AudioDeviceInfo> MemoryAudioHardware::inputOnlyDevices() {
    ++enumerations_;
    return inputs_;
}

// Like a real server, a setter only succeeds for a device that exists.
int MemoryAudioHardware::setDefaultOutputDevice(AudioDeviceID output) {
    outputRequests_.push_back(output);
    for (const auto& device : outputs_) {
        if (device.id == output) {
            defaultOutput_ = output;
            return 0;
        }
    }
    return -1;
}

int MemoryAudioHardware::setDefaultInputDevice(AudioDeviceID input) {
    inputRequests_.push_back(input);
    for (const auto& device : inputs_) {
        if (device.id == input) {
            defaultInput_ = input;
            return 0;
        }
    }
    return -1;
}

} // namespace platform
