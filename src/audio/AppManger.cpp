#include "audio/AppManger.h"

#include "audio/Audio.h"
#include "audio/BluetoothProfiles.h"
#include "audio/MicrophoneChoice.h"
#include "core/LogLines.h"
#include "core/NotificationNames.h"
#include "core/ProcessState.h"
#include "core/SpeakerDevice.h"
#include "platform/Log.h"
#include "platform/MainQueue.h"
#include "platform/NotificationCenter.h"
#include "platform/Platform.h"
#include "platform/Timer.h"
#include "platform/UserState.h"

#include <algorithm>

namespace {

using ModeSwitch = AppManger::ModeSwitch;
using platform::AudioResult;

constexpr std::chrono::milliseconds checkInterval{3000};
// A Bluetooth device takes about a second to bring up its headset link.
constexpr std::chrono::milliseconds profileSettleLimit{2000};
constexpr std::chrono::milliseconds profilePollInterval{50};
// The user's state keeps the microphone Music mode gives back under this key.
const std::string rememberedInputKey = "input";

ModeSwitch modeSwitchFrom(AudioResult result) {
    switch (result) {
    case AudioResult::done:
        return ModeSwitch::switched;
    case AudioResult::refused:
        return ModeSwitch::refused;
    case AudioResult::unreachable:
    case AudioResult::timedOut:
        break;
    }
    return ModeSwitch::noAnswer;
}

void report(const AppManger::ModeSwitchDone& done, ModeSwitch outcome) {
    switch (outcome) {
    case ModeSwitch::switched:
    case ModeSwitch::noSpeakerphone:
        break;
    case ModeSwitch::refused:
        platform::Log::line("mode switch: the sound server refused a default device or profile");
        break;
    case ModeSwitch::noAnswer:
        platform::Log::line("mode switch: the sound server did not answer");
        break;
    case ModeSwitch::profileTimedOut:
        platform::Log::line("mode switch: the speakerphone's devices did not appear in time");
        break;
    }
    if (done) {
        done(outcome);
    }
}

// Waits for the answers to one mode's default-device requests; the worst answer counts.
class DefaultsTally {
public:
    DefaultsTally(int requests, ModeSwitch success, AppManger::ModeSwitchDone done)
        : remaining_(requests), outcome_(success), done_(std::move(done)) {}

    void note(AudioResult result) {
        const ModeSwitch answer = modeSwitchFrom(result);
        if (answer == ModeSwitch::refused ||
            (answer == ModeSwitch::noAnswer && outcome_ != ModeSwitch::refused)) {
            outcome_ = answer;
        }
        if (--remaining_ == 0) {
            report(done_, outcome_);
        }
    }

private:
    int remaining_;
    ModeSwitch outcome_;
    AppManger::ModeSwitchDone done_;
};

void applyDefaults(platform::AudioDeviceID output, std::optional<platform::AudioDeviceID> input,
                   AppManger::ModeSwitchDone done, ModeSwitch success = ModeSwitch::switched) {
    auto tally = std::make_shared<DefaultsTally>(input ? 2 : 1, success, std::move(done));
    Audio::setDefaultOutputDevice(output, [tally](AudioResult r) { tally->note(r); });
    if (input) {
        Audio::setDefaultInputDevice(*input, [tally](AudioResult r) { tally->note(r); });
    }
}

struct MeetingPair {
    DeviceTable::value_type output;
    std::optional<DeviceTable::value_type> input;
};

// The speakerphone's output, and its input: one whose name contains the output's full name.
std::optional<MeetingPair> meetingPair(const DeviceTable& outputs, const DeviceTable& inputs,
                                       std::string_view outputName) {
    const auto output = Audio::firstDeviceContaining(outputs, outputName);
    if (!output) {
        return std::nullopt;
    }
    return MeetingPair{*output, Audio::firstDeviceContaining(inputs, output->second)};
}

} // namespace

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
    platform::Platform::audioHardware().setChangeHandler([this] { devicesChanged(); });
}

void AppManger::stopCheckBTStatusTimer() {
    checkBTStatusTimer_.reset();
}

void AppManger::checkBTStatus() {
    Audio::refreshSpeakerDevice();
    if (mainScreenState == MainScreen::firstRun) {
        return;
    }
    setMainScreenState(speakerDevice().isPresent() ? MainScreen::mode : MainScreen::pairingGuide);
    platform::NotificationCenter::defaultCenter().post(notification_names::checkStatus);
}

// A burst of changes (a profile switch replaces several devices) is noticed once.
void AppManger::devicesChanged() {
    if (!checkBTStatusTimer_ || changeNoticePending_) {
        return;
    }
    changeNoticePending_ = true;
    platform::MainQueue::async([this] { noticeDeviceChange(); });
}

// Between ticks, only a speakerphone that came or went is told to the screens.
void AppManger::noticeDeviceChange() {
    changeNoticePending_ = false;
    if (!checkBTStatusTimer_) {
        return;
    }
    const bool wasPresent = speakerDevice().isPresent();
    Audio::refreshSpeakerDevice();
    if (mainScreenState == MainScreen::firstRun || speakerDevice().isPresent() == wasPresent) {
        return;
    }
    setMainScreenState(speakerDevice().isPresent() ? MainScreen::mode : MainScreen::pairingGuide);
    platform::NotificationCenter::defaultCenter().post(notification_names::checkStatus);
}

void AppManger::switchToMeetingMode(ModeSwitchDone done) {
    platform::Log::line(log_lines::meetingClick);
    profileWait_.reset();
    // Looked up afresh: the record may be a tick old.
    const auto pair =
        meetingPair(Audio::getOutputDevices(), Audio::getInputDevices(), speakerNameMark);
    if (!pair) {
        report(done, ModeSwitch::noSpeakerphone);
        return;
    }
    if (!pair->input) {
        // A Bluetooth speakerphone playing music has its microphone in another profile.
        const auto card = Audio::cardOfOutput(pair->output.first);
        const auto profile = card ? BluetoothProfiles::meetingProfile(*card) : std::nullopt;
        if (profile && *profile != card->activeProfile) {
            rememberInputBeforeMeeting();
            meetingAfterProfileSwitch(card->id, *profile, pair->output.second, std::move(done));
            return;
        }
    } else {
        rememberInputBeforeMeeting();
    }
    applyDefaults(pair->output.first,
                  pair->input ? std::optional(pair->input->first) : std::nullopt, std::move(done));
}

void AppManger::meetingAfterProfileSwitch(platform::AudioCardID card, const std::string& profile,
                                          const std::string& speakerName, ModeSwitchDone done) {
    // Identifiers change with the profile: the devices are found again by name.
    const auto found = [speakerName] {
        return meetingPair(Audio::getOutputDevices(), Audio::getInputDevices(), speakerName);
    };
    Audio::setCardProfile(card, profile, [this, card, profile, found, done](AudioResult result) {
        if (result != AudioResult::done) {
            report(done, modeSwitchFrom(result));
            return;
        }
        waitForProfile(
            card, profile, [found] { return found() && found()->input; },
            [found, done](bool arrived) {
                const auto pair = found();
                if (!pair) {
                    report(done, ModeSwitch::profileTimedOut);
                    return;
                }
                // Without its microphone the speakerphone still plays the meeting.
                applyDefaults(pair->output.first,
                              pair->input ? std::optional(pair->input->first) : std::nullopt, done,
                              arrived ? ModeSwitch::switched : ModeSwitch::profileTimedOut);
            });
    });
}

void AppManger::switchToMusicMode(ModeSwitchDone done) {
    platform::Log::line(log_lines::musicClick);
    profileWait_.reset();
    const auto& speaker = speakerDevice();
    if (!speaker.isPresent()) {
        report(done, ModeSwitch::noSpeakerphone);
        return;
    }
    // Music sounds right only in the music profile; a headset link is mono and narrow.
    const auto card = Audio::cardOfOutput(speaker.deviceID);
    if (card && BluetoothProfiles::isHeadsetProfile(card->activeProfile)) {
        if (const auto profile = BluetoothProfiles::musicProfile(*card)) {
            musicAfterProfileSwitch(card->id, *profile, *speaker.name, std::move(done));
            return;
        }
    }
    applyDefaults(speaker.deviceID, musicMicrophone(), std::move(done));
}

void AppManger::musicAfterProfileSwitch(platform::AudioCardID card, const std::string& profile,
                                        const std::string& speakerName, ModeSwitchDone done) {
    const auto output = [speakerName] {
        return Audio::firstDeviceContaining(Audio::getOutputDevices(), speakerName);
    };
    Audio::setCardProfile(card, profile, [this, card, profile, output, done](AudioResult result) {
        if (result != AudioResult::done) {
            report(done, modeSwitchFrom(result));
            return;
        }
        waitForProfile(
            card, profile, [output] { return output().has_value(); },
            [output, done](bool arrived) {
                const auto speaker = output();
                if (!arrived || !speaker) {
                    report(done, ModeSwitch::profileTimedOut);
                    return;
                }
                applyDefaults(speaker->first, musicMicrophone(), done);
            });
    });
}

void AppManger::waitForProfile(platform::AudioCardID card, const std::string& profile,
                               std::function<bool()> ready, std::function<void(bool)> then) {
    const auto deadline = std::chrono::steady_clock::now() + profileSettleLimit;
    const auto settled = [card, profile, ready] {
        const auto cards = platform::Platform::audioHardware().cards();
        const auto current = std::find_if(cards.begin(), cards.end(),
                                          [card](const auto& c) { return c.id == card; });
        return current != cards.end() && current->activeProfile == profile && ready();
    };
    profileWait_ =
        platform::Timer::scheduled(profilePollInterval, true, [this, settled, then, deadline] {
            const bool arrived = settled();
            if (!arrived && std::chrono::steady_clock::now() < deadline) {
                return;
            }
            profileWait_->invalidate();
            then(arrived);
        });
}

std::optional<platform::AudioDeviceID> AppManger::musicMicrophone() {
    const auto chosen = MicrophoneChoice::forMusic(
        Audio::getInputDeviceDetails(), platform::Platform::userState().value(rememberedInputKey));
    return chosen ? std::optional(chosen->id) : std::nullopt;
}

// Remembered for the next Music mode, whichever process runs it.
void AppManger::rememberInputBeforeMeeting() {
    if (const auto name = MicrophoneChoice::toRemember(Audio::getInputDeviceDetails(),
                                                       Audio::getDefaultInputDevice())) {
        platform::Platform::userState().setValue(rememberedInputKey, *name);
    }
}
