#include "audio/AppManger.h"

#include "audio/Audio.h"
#include "core/LogLines.h"
#include "core/NotificationNames.h"
#include "core/ProcessState.h"
#include "core/SpeakerDevice.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "platform/Timer.h"

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
    if (const auto microphone = Audio::firstDeviceNotContaining(inputs, speakerNameMark)) {
        accepted = Audio::setDefaultInputDevice(microphone->first) == 0 && accepted;
    }
    return accepted ? ModeSwitch::switched : ModeSwitch::refused;
}
