#include "audio/AppManger.h"

#include "audio/Audio.h"
#include "audio/BluetoothProfiles.h"
#include "audio/MicrophoneChoice.h"
#include "core/LogLines.h"
#include "core/NotificationNames.h"
#include "core/ProcessState.h"
#include "core/SpeakerDevice.h"
#include "core/StatusCheckInterval.h"
#include "platform/Log.h"
#include "platform/MainQueue.h"
#include "platform/NotificationCenter.h"
#include "platform/Platform.h"
#include "platform/Timer.h"
#include "platform/UserState.h"

#include <QObject>
#include <algorithm>
#include <iterator>

namespace {

using ModeSwitch = AppManger::ModeSwitch;
using platform::AudioResult;

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
    case AudioResult::gone:
        return ModeSwitch::deviceGone;
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
    case ModeSwitch::deviceGone:
        platform::Log::line("mode switch: a device to choose is gone from the sound server");
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

// Waits for the answers to one mode's default-device requests; a refusal or a gone device
// counts before a missing answer, and any of them before success.
class DefaultsTally {
public:
    DefaultsTally(int requests, ModeSwitch success, AppManger::ModeSwitchDone done)
        : remaining_(requests), outcome_(success), done_(std::move(done)) {}

    void note(AudioResult result) {
        const ModeSwitch answer = modeSwitchFrom(result);
        if (answer != ModeSwitch::switched && outcome_ != ModeSwitch::refused &&
            outcome_ != ModeSwitch::deviceGone) {
            outcome_ = answer;
        }
        if (--remaining_ == 0) {
            done_(outcome_);
        }
    }

private:
    int remaining_;
    ModeSwitch outcome_;
    AppManger::ModeSwitchDone done_;
};

// The speakerphone's output, and its input: one whose name contains the output's full name.
std::optional<DeviceTable::value_type> meetingInput(const DeviceTable& inputs,
                                                    const DeviceTable::value_type& output) {
    return Audio::firstDeviceContaining(inputs, output.second);
}

std::vector<platform::AudioDeviceID> idsOf(const DeviceTable& table) {
    std::vector<platform::AudioDeviceID> ids;
    for (const auto& entry : table) {
        ids.push_back(entry.first);
    }
    return ids;
}

DeviceTable without(DeviceTable table, const std::vector<platform::AudioDeviceID>& ids) {
    std::erase_if(table, [&ids](const auto& entry) {
        return std::find(ids.begin(), ids.end(), entry.first) != ids.end();
    });
    return table;
}

std::optional<platform::AudioCardInfo> cardWithID(platform::AudioCardID id) {
    for (auto& card : platform::Platform::audioHardware().cards()) {
        if (card.id == id) {
            return std::move(card);
        }
    }
    return std::nullopt;
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
    checkBTStatusTimer_ = platform::Timer::scheduled(
        statusCheckInterval, platform::Timer::repeating, [this] { checkBTStatus(); });
    deviceListener_ = std::make_unique<QObject>();
    QObject::connect(&platform::Platform::audioHardware(), &platform::AudioHardware::devicesChanged,
                     deviceListener_.get(), [this] { devicesChanged(); });
}

void AppManger::stopCheckBTStatusTimer() {
    checkBTStatusTimer_.reset();
    (void)beginSwitch();
    endProfileSwitch();
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

std::uint64_t AppManger::beginSwitch() {
    profileWait_.reset();
    requestedDefaults_.reset();
    return ++switchNumber_;
}

// What an abandoned switch still hears of changes nothing.
void AppManger::finish(std::uint64_t number, const ModeSwitchDone& done, ModeSwitch outcome) {
    if (isCurrent(number)) {
        report(done, outcome);
    }
}

void AppManger::applyDefaults(std::uint64_t number, const Choice& choice, ModeSwitchDone done,
                              ModeSwitch success) {
    requestedDefaults_ = Defaults{
        choice.output.second, choice.input ? std::optional(choice.input->second) : std::nullopt};
    auto tally = std::make_shared<DefaultsTally>(
        choice.input ? 2 : 1, success, [this, number, done = std::move(done)](ModeSwitch outcome) {
            finish(number, done, outcome);
        });
    Audio::setDefaultOutputDevice(choice.output.first, [tally](AudioResult r) { tally->note(r); });
    if (choice.input) {
        Audio::setDefaultInputDevice(choice.input->first,
                                     [tally](AudioResult r) { tally->note(r); });
    }
}

void AppManger::switchToMeetingMode(ModeSwitchDone done) {
    platform::Log::line(log_lines::meetingClick);
    const auto number = beginSwitch();
    if (overtakeProfileSwitch(number, Mode::meeting, done)) {
        return;
    }
    // Looked up afresh: the record may be a tick old.
    const auto output = Audio::firstDeviceContaining(Audio::getOutputDevices(), speakerNameMark);
    if (!output) {
        finish(number, done, ModeSwitch::noSpeakerphone);
        return;
    }
    const auto input = meetingInput(Audio::getInputDevices(), *output);
    if (!input) {
        // A Bluetooth speakerphone playing music has its microphone in another profile.
        const auto card = Audio::cardOfOutput(output->first);
        const auto profile = card ? BluetoothProfiles::meetingProfile(*card) : std::nullopt;
        if (profile && *profile != card->activeProfile) {
            rememberInputBeforeMeeting();
            switchProfile(number, *card, *profile, output->second, Mode::meeting, std::move(done));
            return;
        }
    } else {
        rememberInputBeforeMeeting();
    }
    applyDefaults(number, {*output, input}, std::move(done));
}

void AppManger::switchToMusicMode(ModeSwitchDone done) {
    platform::Log::line(log_lines::musicClick);
    const auto number = beginSwitch();
    if (overtakeProfileSwitch(number, Mode::music, done)) {
        return;
    }
    const auto& speaker = speakerDevice();
    if (!speaker.isPresent()) {
        finish(number, done, ModeSwitch::noSpeakerphone);
        return;
    }
    // Music sounds right only in the music profile; a headset link is mono and narrow.
    const auto card = Audio::cardOfOutput(speaker.deviceID);
    if (card && BluetoothProfiles::isHeadsetProfile(card->activeProfile)) {
        if (const auto profile = BluetoothProfiles::musicProfile(*card)) {
            switchProfile(number, *card, *profile, *speaker.name, Mode::music, std::move(done));
            return;
        }
    }
    applyDefaults(number, {{speaker.deviceID, *speaker.name}, musicMicrophone()}, std::move(done));
}

bool AppManger::overtakeProfileSwitch(std::uint64_t number, Mode mode, ModeSwitchDone& done) {
    if (!profileSwitch_) {
        return false;
    }
    const auto card = cardWithID(profileSwitch_->card);
    const auto profile = !card                   ? std::nullopt
                         : mode == Mode::meeting ? BluetoothProfiles::meetingProfile(*card)
                                                 : BluetoothProfiles::musicProfile(*card);
    if (!profile) {
        endProfileSwitch();
        return false;
    }
    if (mode == Mode::meeting) {
        rememberInputBeforeMeeting();
    }
    switchProfile(number, *card, *profile, profileSwitch_->speakerName, mode, std::move(done));
    return true;
}

void AppManger::switchProfile(std::uint64_t number, const platform::AudioCardInfo& card,
                              const std::string& profile, std::string speakerName, Mode mode,
                              ModeSwitchDone done) {
    ProfileSwitch next{card.id, profile, std::move(speakerName), idsOf(Audio::getOutputDevices()),
                       idsOf(Audio::getInputDevices())};
    if (profileSwitch_ && profileSwitch_->card == card.id) {
        // Asked for again, a profile brings nothing new: what came for it is to be chosen.
        if (profileSwitch_->profile == profile) {
            next.oldOutputs.clear();
            next.oldInputs.clear();
        }
        std::ranges::copy(profileSwitch_->oldOutputs, std::back_inserter(next.oldOutputs));
        std::ranges::copy(profileSwitch_->oldInputs, std::back_inserter(next.oldInputs));
    }
    // The screens keep the speakerphone while its devices are away for the switch.
    Audio::refreshSpeakerDevice();
    speakerDevice().held = true;
    profileSwitch_ = std::move(next);
    auto answered = [this, number, mode, done = std::move(done)](AudioResult result) {
        if (!isCurrent(number)) {
            return;
        }
        if (result != AudioResult::done) {
            endProfileSwitch();
            report(done, modeSwitchFrom(result));
            return;
        }
        // Identifiers change with the profile: the devices are found again by name.
        waitForProfile(number, mode, done);
    };
    Audio::setCardProfile(card.id, profile, std::move(answered));
}

void AppManger::waitForProfile(std::uint64_t number, Mode mode, ModeSwitchDone done) {
    const auto deadline = std::chrono::steady_clock::now() + profileSettleLimit;
    profileWait_ = platform::Timer::scheduled(
        profilePollInterval, platform::Timer::repeating, [this, number, mode, done, deadline] {
            const auto card = cardWithID(profileSwitch_->card);
            const auto found = arrivedDevices(mode);
            const bool arrived = card && card->activeProfile == profileSwitch_->profile && found &&
                                 (mode == Mode::music || found->input);
            if (!arrived && std::chrono::steady_clock::now() < deadline) {
                // Read again for a copy that does not follow the server's changes (the
                // command line's).
                platform::Platform::audioHardware().refresh();
                return;
            }
            profileWait_->invalidate();
            endProfileSwitch();
            if (!found) {
                finish(number, done, ModeSwitch::profileTimedOut);
                return;
            }
            // Without its microphone the speakerphone still plays the meeting.
            applyDefaults(number, *found, done,
                          arrived ? ModeSwitch::switched : ModeSwitch::profileTimedOut);
        });
}

std::optional<AppManger::Choice> AppManger::arrivedDevices(Mode mode) const {
    const auto outputs = without(Audio::getOutputDevices(), profileSwitch_->oldOutputs);
    const auto output = Audio::firstDeviceContaining(outputs, profileSwitch_->speakerName);
    if (!output) {
        return std::nullopt;
    }
    if (mode == Mode::music) {
        return Choice{*output, musicMicrophone()};
    }
    return Choice{
        *output,
        meetingInput(without(Audio::getInputDevices(), profileSwitch_->oldInputs), *output)};
}

// A loss held back during the switch counts from now on.
void AppManger::endProfileSwitch() {
    profileSwitch_.reset();
    speakerDevice().held = false;
    devicesChanged();
}

std::optional<AppManger::Device> AppManger::musicMicrophone() {
    const auto chosen = MicrophoneChoice::forMusic(
        Audio::getInputDeviceDetails(), platform::Platform::userState().value(rememberedInputKey));
    return chosen ? std::optional(Device{chosen->id, chosen->name}) : std::nullopt;
}

// Remembered for the next Music mode, whichever process runs it.
void AppManger::rememberInputBeforeMeeting() {
    if (const auto name = MicrophoneChoice::toRemember(Audio::getInputDeviceDetails(),
                                                       Audio::getDefaultInputDevice())) {
        platform::Platform::userState().setValue(rememberedInputKey, *name);
    }
}
