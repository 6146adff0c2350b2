#include "audio/Audio.h"

#include "core/SpeakerDevice.h"
#include "platform/MainQueue.h"
#include "platform/Platform.h"

#include <algorithm>

namespace {

DeviceTable tableOf(const std::vector<platform::AudioDeviceInfo>& devices) {
    DeviceTable table;
    table.reserve(devices.size());
    for (const auto& device : devices) {
        // A device listed twice keeps its first place and its later name.
        const auto listed = std::find_if(table.begin(), table.end(), [&device](const auto& entry) {
            return entry.first == device.id;
        });
        if (listed != table.end()) {
            listed->second = device.name;
        } else {
            table.emplace_back(device.id, device.name);
        }
    }
    return table;
}

template <typename Predicate>
std::optional<DeviceTable::value_type> firstMatching(const DeviceTable& table, Predicate matches) {
    for (const auto& entry : table) {
        if (matches(entry.second)) {
            return entry;
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<Audio::DeviceRef> Audio::getAllDevices() {
    auto& hardware = platform::Platform::audioHardware();
    std::vector<DeviceRef> devices;
    for (const auto& device : hardware.outputDevices()) {
        devices.push_back({DeviceKind::output, device.id});
    }
    for (const auto& device : hardware.inputOnlyDevices()) {
        devices.push_back({DeviceKind::input, device.id});
    }
    return devices;
}

DeviceTable Audio::getOutputDevices() {
    return tableOf(platform::Platform::audioHardware().outputDevices());
}

DeviceTable Audio::getInputDevices() {
    return tableOf(platform::Platform::audioHardware().inputOnlyDevices());
}

std::vector<platform::AudioDeviceInfo> Audio::getInputDeviceDetails() {
    return platform::Platform::audioHardware().inputOnlyDevices();
}

std::optional<platform::AudioDeviceID> Audio::getDefaultInputDevice() {
    return platform::Platform::audioHardware().defaultInputDevice();
}

ModeInUse Audio::getModeInUse() {
    auto& hardware = platform::Platform::audioHardware();
    const auto nameOf = [](const std::vector<platform::AudioDeviceInfo>& devices,
                           std::optional<platform::AudioDeviceID> id) {
        const auto found = std::ranges::find(devices, id, &platform::AudioDeviceInfo::id);
        return found != devices.end() ? std::optional<std::string_view>(found->name) : std::nullopt;
    };
    const auto outputs = hardware.outputDevices();
    const auto inputs = hardware.inputOnlyDevices();
    return modeInUse(nameOf(outputs, hardware.defaultOutputDevice()),
                     nameOf(inputs, hardware.defaultInputDevice()));
}

std::optional<platform::AudioCardInfo> Audio::cardOfOutput(platform::AudioDeviceID device) {
    auto& hardware = platform::Platform::audioHardware();
    const auto outputs = hardware.outputDevices();
    const auto output = std::find_if(outputs.begin(), outputs.end(),
                                     [device](const auto& info) { return info.id == device; });
    if (output == outputs.end() || !output->card) {
        return std::nullopt;
    }
    for (auto& card : hardware.cards()) {
        if (card.id == *output->card) {
            return std::move(card);
        }
    }
    return std::nullopt;
}

void Audio::setDefaultOutputDevice(platform::AudioDeviceID device, platform::AudioCompletion done) {
    platform::Platform::audioHardware().setDefaultOutputDevice(device, std::move(done));
}

void Audio::setDefaultInputDevice(platform::AudioDeviceID device, platform::AudioCompletion done) {
    platform::Platform::audioHardware().setDefaultInputDevice(device, std::move(done));
}

void Audio::setCardProfile(platform::AudioCardID card, const std::string& profile,
                           platform::AudioCompletion done) {
    platform::Platform::audioHardware().setCardProfile(card, profile, std::move(done));
}

bool Audio::waitUntilSynchronized(std::chrono::milliseconds limit) {
    auto& hardware = platform::Platform::audioHardware();
    return platform::MainQueue::runUntil([&hardware] { return hardware.isSynchronized(); }, limit);
}

void Audio::refreshSpeakerDevice() {
    const auto found = firstDeviceContaining(getOutputDevices(), speakerNameMark);
    auto& speaker = speakerDevice();
    if (!found && speaker.held) {
        return;
    }
    speaker.name = found ? std::optional(found->second) : std::nullopt;
    speaker.deviceID = found ? found->first : 0;
}

bool Audio::isSpeakerName(std::string_view name) {
    return name.find(speakerNameMark) != std::string_view::npos;
}

std::optional<DeviceTable::value_type> Audio::firstDeviceContaining(const DeviceTable& table,
                                                                    std::string_view text) {
    return firstMatching(
        table, [text](const std::string& name) { return name.find(text) != std::string::npos; });
}
