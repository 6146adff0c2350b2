#pragma once

#include "platform/AudioHardware.h"

#include <chrono>
#include <memory>
#include <string>

namespace platform {

// Audio devices of a PulseAudio server (or PipeWire's pulse server): sinks are outputs,
// sources that do not monitor a sink are inputs. The server is the one libpulse finds by
// itself (PULSE_SERVER, the user's runtime folder); it is never spawned.
class PulseAudioHardware final : public AudioHardware {
public:
    explicit PulseAudioHardware(std::string clientName,
                                std::chrono::milliseconds timeout = std::chrono::milliseconds(500));
    ~PulseAudioHardware() override;
    PulseAudioHardware(const PulseAudioHardware&) = delete;
    PulseAudioHardware& operator=(const PulseAudioHardware&) = delete;

    [[nodiscard]] std::vector<AudioDeviceInfo> outputDevices() override;
    [[nodiscard]] std::vector<AudioDeviceInfo> inputOnlyDevices() override;
    [[nodiscard]] std::optional<AudioDeviceID> defaultInputDevice() override;
    int setDefaultOutputDevice(AudioDeviceID output) override;
    int setDefaultInputDevice(AudioDeviceID input) override;

private:
    struct Connection;
    std::unique_ptr<Connection> connection_;
};

} // namespace platform
