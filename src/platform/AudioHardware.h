#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Identifies one device within its own kind: outputs and inputs are numbered separately,
// so the same number may name an output and an unrelated input.
using AudioDeviceID = std::uint32_t;

struct AudioDeviceInfo {
    AudioDeviceID id = 0;
    // The product's name, as the device rules compare it ("Lumatix U"); the server's own
    // description when the device names no product.
    std::string name;
    // What the sound server calls this device ("Lumatix U Analog Stereo"); empty if unknown.
    std::string description;

    friend bool operator==(const AudioDeviceInfo&, const AudioDeviceInfo&) = default;
};

// The system's audio devices. Every call returns promptly: an absent, failed or stalled
// audio server gives empty lists and failed setters rather than a blocked caller.
class AudioHardware {
public:
    virtual ~AudioHardware() = default;

    // Devices that can play sound, in the order the system reports them.
    [[nodiscard]] virtual std::vector<AudioDeviceInfo> outputDevices() = 0;
    // Devices that only record (microphones); never the monitor of an output.
    [[nodiscard]] virtual std::vector<AudioDeviceInfo> inputOnlyDevices() = 0;

    // The input the system records from now; none when unknown or when it is a monitor.
    [[nodiscard]] virtual std::optional<AudioDeviceID> defaultInputDevice() = 0;

    // 0 on success, a non-zero status otherwise.
    virtual int setDefaultOutputDevice(AudioDeviceID output) = 0;
    virtual int setDefaultInputDevice(AudioDeviceID input) = 0;
};

} // namespace platform
