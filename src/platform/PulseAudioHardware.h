#pragma once

#include "platform/AudioHardware.h"

#include <chrono>
#include <memory>
#include <string>

namespace platform {

class PulseConnection;
class PulseMainLoop;
class PulseReader;
class PulseRequests;

// Audio devices of a PulseAudio server (or PipeWire's pulse server): sinks are outputs,
// sources that do not monitor a sink are inputs. One connection on the main event loop keeps
// a copy of the server's devices current through its change events, so reading costs nothing
// and a stalled server never blocks the caller.
class PulseAudioHardware final : public AudioHardware {
public:
    struct Options {
        std::chrono::milliseconds requestTimeout{2000};
        std::chrono::milliseconds connectTimeout{3000};
        std::chrono::milliseconds reconnectInterval{1000};
        // Off: the copy is read again only on refresh(), as a poller would; for comparisons.
        bool followChanges = true;
    };

    explicit PulseAudioHardware(std::string clientName);
    PulseAudioHardware(std::string clientName, Options options);
    ~PulseAudioHardware() override;
    PulseAudioHardware(const PulseAudioHardware&) = delete;
    PulseAudioHardware& operator=(const PulseAudioHardware&) = delete;

    [[nodiscard]] std::vector<AudioDeviceInfo> outputDevices() override;
    [[nodiscard]] std::vector<AudioDeviceInfo> inputOnlyDevices() override;
    [[nodiscard]] std::vector<AudioCardInfo> cards() override;
    [[nodiscard]] std::optional<AudioDeviceID> defaultOutputDevice() override;
    [[nodiscard]] std::optional<AudioDeviceID> defaultInputDevice() override;
    [[nodiscard]] std::vector<RecordingStream> recordingStreams() override;
    [[nodiscard]] bool isSynchronized() const override;
    [[nodiscard]] AudioConnectionState connectionState() const override;
    void setDefaultOutputDevice(AudioDeviceID output, AudioCompletion done) override;
    void setDefaultInputDevice(AudioDeviceID input, AudioCompletion done) override;
    void setCardProfile(AudioCardID card, const std::string& profile,
                        AudioCompletion done) override;
    void refresh() override;

    // How often the whole device list was fetched from the server; for benchmarks.
    [[nodiscard]] int fetchCount() const;

private:
    void connectionChanged(AudioConnectionState state);

    std::unique_ptr<PulseMainLoop> mainLoop_;
    std::unique_ptr<PulseConnection> connection_;
    std::unique_ptr<PulseReader> reader_;
    std::unique_ptr<PulseRequests> requests_;
};

} // namespace platform
