#pragma once

#include <QObject>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Identifies one device within its own kind: outputs and inputs are numbered separately,
// so the same number may name an output and an unrelated input.
using AudioDeviceID = std::uint32_t;
using AudioCardID = std::uint32_t;

struct AudioDeviceInfo {
    AudioDeviceID id = 0;
    // The product's name, as the device rules compare it ("Lumatix U"): the device's product
    // name, else its card's description, else its own description.
    std::string name;
    // What the sound server calls this device ("Lumatix U Analog Stereo"); empty if unknown.
    std::string description;
    // The card (USB or Bluetooth device) it belongs to; none for virtual devices.
    std::optional<AudioCardID> card;
    // The server's own name for it ("alsa_input.pci-0000_00_1f.3.analog-stereo"): unlike the
    // identifier, it stays the same across restarts of the server. Empty if unknown.
    std::string serverName;
    // What the server says of where the device sits: its form factor ("internal", "webcam",
    // "headset") and bus ("pci", "platform", "usb", "bluetooth"); empty if unknown.
    std::string formFactor;
    std::string bus;

    friend bool operator==(const AudioDeviceInfo&, const AudioDeviceInfo&) = default;
};

struct AudioCardProfile {
    std::string name; // "a2dp_sink", "headset-head-unit-msbc", "output:analog-stereo"
    std::uint32_t priority = 0;
    bool available = true; // false: the system knows it would give nothing useful now
    std::uint32_t outputs = 0;
    std::uint32_t inputs = 0;

    friend bool operator==(const AudioCardProfile&, const AudioCardProfile&) = default;
};

struct AudioCardInfo {
    AudioCardID id = 0;
    std::string description;
    std::vector<AudioCardProfile> profiles; // in the order the system lists them
    std::string activeProfile;

    friend bool operator==(const AudioCardInfo&, const AudioCardInfo&) = default;
};

// A program recording from an input, as the sound server describes it.
struct RecordingStream {
    std::uint32_t id = 0;
    AudioDeviceID source = 0;
    // Recording what an output plays (a monitor) rather than a microphone.
    bool fromMonitor = false;
    // A level meter's stream (the server resamples it to peaks), not a recording.
    bool peakMeter = false;
    // What the program says of itself; each may be empty.
    std::string applicationName; // "ZOOM VoiceEngine"
    std::string processBinary;   // "zoom"
    std::string applicationId;   // "us.zoom.Zoom"

    friend bool operator==(const RecordingStream&, const RecordingStream&) = default;
};

// How a request to the audio system ended.
enum class AudioResult {
    done,
    refused,     // the system answered no (unknown device or profile, say)
    gone,        // the device is not among those the system reported last; nothing was asked
    unreachable, // no audio system, or it went away before answering
    timedOut,    // it did not answer in time
};

using AudioCompletion = std::function<void(AudioResult)>;

// Where the link to the audio system stands.
enum class AudioConnectionState {
    disconnected, // none now: gone, or never made
    connecting,
    ready, // requests go through, and the lists follow the system
};

// The system's audio devices. Readers answer from what the system reported last and never
// wait for it; requests complete later, on the main thread, even when the system stalls or
// is absent. Everything is used from the main thread only; listeners connect to the signals
// with a context object, so that each connection ends with its receiver.
class AudioHardware : public QObject {
    Q_OBJECT
public:
    // Devices that can play sound, in the order the system reports them.
    [[nodiscard]] virtual std::vector<AudioDeviceInfo> outputDevices() = 0;
    // Devices that only record (microphones); never the monitor of an output.
    [[nodiscard]] virtual std::vector<AudioDeviceInfo> inputOnlyDevices() = 0;
    [[nodiscard]] virtual std::vector<AudioCardInfo> cards() = 0;
    // The output the system plays on now; none when unknown.
    [[nodiscard]] virtual std::optional<AudioDeviceID> defaultOutputDevice() = 0;
    // The input the system records from now; none when unknown or when it is a monitor.
    [[nodiscard]] virtual std::optional<AudioDeviceID> defaultInputDevice() = 0;
    // The programs recording now, in the order the system reports them.
    [[nodiscard]] virtual std::vector<RecordingStream> recordingStreams() = 0;
    // Whether the lists above come from a connected system (false before the first answer
    // and while the system is gone).
    [[nodiscard]] virtual bool isSynchronized() const = 0;
    [[nodiscard]] virtual AudioConnectionState connectionState() const = 0;

    virtual void setDefaultOutputDevice(AudioDeviceID output, AudioCompletion done) = 0;
    virtual void setDefaultInputDevice(AudioDeviceID input, AudioCompletion done) = 0;
    // Output and input identifiers of the card's devices change with its profile.
    virtual void setCardProfile(AudioCardID card, const std::string& profile,
                                AudioCompletion done) = 0;

    // Asks the system for everything again (after a resume from sleep, say), reconnecting
    // at once if it is gone.
    virtual void refresh() = 0;

signals:
    // The lists above changed.
    void devicesChanged();
    void connectionStateChanged(platform::AudioConnectionState state);
};

} // namespace platform
