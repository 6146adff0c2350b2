#pragma once

#include "audio/ModeInUse.h"
#include "platform/AudioHardware.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Identifier and device name, in the order the system reports the devices, so that "the
// first" device is the same one every time.
using DeviceTable = std::vector<std::pair<platform::AudioDeviceID, std::string>>;

// Every device whose name contains this, case-sensitively, belongs to the speakerphone.
inline constexpr std::string_view speakerNameMark = "Lumatix U";

// The application's whole contact with the system's audio devices.
class Audio {
public:
    enum class DeviceKind { output, input };
    struct DeviceRef {
        DeviceKind kind;
        platform::AudioDeviceID id;
        friend bool operator==(const DeviceRef&, const DeviceRef&) = default;
    };

    // Outputs first, then input-only devices, each in the order the system reports them.
    [[nodiscard]] static std::vector<DeviceRef> getAllDevices();
    [[nodiscard]] static DeviceTable getOutputDevices();
    // Devices that only record; a device that also plays is never among them.
    [[nodiscard]] static DeviceTable getInputDevices();
    // The same devices with all the system says of them.
    [[nodiscard]] static std::vector<platform::AudioDeviceInfo> getInputDeviceDetails();
    // The input the system records from now, if known.
    [[nodiscard]] static std::optional<platform::AudioDeviceID> getDefaultInputDevice();
    // Which mode the system's default output and input amount to now.
    [[nodiscard]] static ModeInUse getModeInUse();
    // The card a device belongs to, as the system reports it now.
    [[nodiscard]] static std::optional<platform::AudioCardInfo>
    cardOfOutput(platform::AudioDeviceID device);
    static void setDefaultOutputDevice(platform::AudioDeviceID device,
                                       platform::AudioCompletion done);
    static void setDefaultInputDevice(platform::AudioDeviceID device,
                                      platform::AudioCompletion done);
    static void setCardProfile(platform::AudioCardID card, const std::string& profile,
                               platform::AudioCompletion done);
    // Gives the system up to limit to report its devices for the first time; at start-up,
    // before any window shows, so that the first screen matches what is plugged in.
    static bool waitUntilSynchronized(std::chrono::milliseconds limit);
    // Looks for the speakerphone among the output devices and records it in speakerDevice();
    // a held record stays as it was while the speakerphone is missing.
    static void refreshSpeakerDevice();

    [[nodiscard]] static bool isSpeakerName(std::string_view name);
    // The first entry, in the system's order, whose name contains the text.
    [[nodiscard]] static std::optional<DeviceTable::value_type>
    firstDeviceContaining(const DeviceTable& table, std::string_view text);
};
