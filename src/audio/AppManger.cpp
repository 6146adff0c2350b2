#include "audio/AppManger.h"

#include "audio/Audio.h"
#include "core/LogLines.h"
#include "core/NotificationNames.h"
#include "core/ProcessState.h"
#include "core/SpeakerDevice.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "platform/Timer.h"

#include <algorithm>

namespace {
constexpr std::chrono::milliseconds checkInterval{3000};
}

AppManger::AppManger() = default;
AppManger::~AppManger() = default;

AppManger& AppManger::shared() {
    // Lives until the process ends, like the timer it owns.
    static auto* manager = new AppManger();
    return *manager;
}

void AppManger::startCheckBTStatusTimer() {
    Audio::refreshSpeakerDevice();
    if (checkBTStatusTimer_) {
        checkBTStatusTimer_->invalidate();
    }
    checkBTStatusTimer_ =
        platform::Timer::scheduled(checkInterval, true, [this] { checkBTStatus(); });
}

void AppManger::stopCheckBTStatusTimer() {
    checkBTStatusTimer_.reset();
}

void AppManger::checkBTStatus() {
    Audio::refreshSpeakerDevice();
    if (mainScreenState == 0) {
        return;
    }
    mainScreenState = speakerDevice().isPresent() ? 2 : 1;
    platform::NotificationCenter::defaultCenter().post(notification_names::checkStatus);
}

AppManger::ModeSwitch AppManger::switchToMeetingMode() {
    platform::Log::line(log_lines::meetingClick);
    // Looked up afresh: the record may be a tick old.
    const auto outputs = Audio::getOutputDevices();
    const auto speaker = Audio::firstDeviceContaining(outputs, speakerNameMark);
    if (!speaker) {
        return ModeSwitch::noSpeakerphone;
    }
    bool accepted = Audio::setDefaultOutputDevice(speaker->first) == 0;
    const auto inputs = Audio::getInputDevices();
    if (const auto microphone = Audio::firstDeviceContaining(inputs, speaker->second)) {
        rememberInputBeforeMeeting(inputs);
        accepted = Audio::setDefaultInputDevice(microphone->first) == 0 && accepted;
    }
    return accepted ? ModeSwitch::switched : ModeSwitch::refused;
}

AppManger::ModeSwitch AppManger::switchToMusicMode() {
    platform::Log::line(log_lines::musicClick);
    const auto inputs = Audio::getInputDevices();
    const auto& speaker = speakerDevice();
    if (!speaker.isPresent()) {
        return ModeSwitch::noSpeakerphone;
    }
    bool accepted = Audio::setDefaultOutputDevice(speaker.deviceID) == 0;
    if (const auto microphone = musicInput(inputs, inputBeforeMeeting_)) {
        accepted = Audio::setDefaultInputDevice(microphone->first) == 0 && accepted;
    }
    return accepted ? ModeSwitch::switched : ModeSwitch::refused;
}

std::optional<DeviceTable::value_type>
AppManger::musicInput(const DeviceTable& inputs, const std::optional<std::string>& before) {
    if (before && !Audio::isSpeakerName(*before)) {
        const auto same = std::find_if(inputs.begin(), inputs.end(), [&before](const auto& entry) {
            return entry.second == *before;
        });
        if (same != inputs.end()) {
            return *same;
        }
    }
    return Audio::firstDeviceNotContaining(inputs, speakerNameMark);
}

// A microphone of the speakerphone is never worth remembering: Music mode leaves it.
void AppManger::rememberInputBeforeMeeting(const DeviceTable& inputs) {
    const auto current = Audio::getDefaultInputDevice();
    const auto listed = std::find_if(inputs.begin(), inputs.end(), [&current](const auto& entry) {
        return current && entry.first == *current;
    });
    if (listed != inputs.end() && !Audio::isSpeakerName(listed->second)) {
        inputBeforeMeeting_ = listed->second;
    }
}
