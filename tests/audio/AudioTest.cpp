#include "audio/Audio.h"

#include "audio/AppManger.h"
#include "audio/BluetoothProfiles.h"
#include "audio/MicrophoneChoice.h"
#include "core/ProcessState.h"
#include "core/SpeakerDevice.h"
#include "platform/NotificationCenter.h"
#include "platform/Timer.h"
#include "support/Answers.h"
#include "support/CapturedLog.h"
#include "support/PlatformDoubles.h"
#include "support/ScopedPlatform.h"

namespace {

using namespace std::chrono_literals;
using platform::AudioDeviceID;
using platform::AudioDeviceInfo;
using Devices = std::vector<AudioDeviceInfo>;
using enum AppManger::ModeSwitch;

class AudioTest : public ::testing::Test {
protected:
    AudioTest() {
        platform::NotificationCenter::defaultCenter().addObserver(this, "checkStatus",
                                                                  [this] { ++posts; });
    }
    ~AudioTest() override { platform::NotificationCenter::defaultCenter().removeObserver(this); }

    // The speakerphone's newest output and input on the server (0: none).
    [[nodiscard]] static std::pair<AudioDeviceID, AudioDeviceID>
    speakerphone(const MemoryAudioHardware& hardware) {
        const auto newest = [](const Devices& devices) {
            const auto found = std::find_if(devices.rbegin(), devices.rend(),
                                            [](const auto& d) { return d.name == "Lumatix U"; });
            return found == devices.rend() ? 0u : found->id;
        };
        return {newest(hardware.server().outputs), newest(hardware.server().inputs)};
    }

    MemoryAudioHardware hardware;
    MemoryUserState state;
    ScopedPlatform scoped{{.audioHardware = &hardware, .userState = &state}};
    CapturedLog log;
    int posts = 0;
};

platform::AudioCardProfile profile(std::string name, std::uint32_t priority, bool available = true,
                                   std::uint32_t outputs = 1, std::uint32_t inputs = 0) {
    return {std::move(name), priority, available, outputs, inputs};
}
// A profile with both an output and an input, as a headset's.
platform::AudioCardProfile duplex(std::string name, std::uint32_t priority, bool available = true) {
    return profile(std::move(name), priority, available, 1, 1);
}

TEST_F(AudioTest, SpeakerphoneIsAnOutputCarryingTheMarkInItsOwnCase) {
    hardware.setInputs({{9, "Lumatix U"}}); // an input never counts
    // The outputs, and the speakerphone's name among them.
    for (const auto& [outputs, name] : std::vector<std::pair<Devices, std::optional<std::string>>>{
             {{{3, "Built-in Speakers"}, {7, "Lumatix U"}}, "Lumatix U"},
             {{{4, "Headset (Lumatix U Pro) Stereo"}}, "Headset (Lumatix U Pro) Stereo"},
             {{{4, "lumatix u"}, {5, "LUMATIX U"}, {6, "Lumatix-U"}}, std::nullopt},
             {{{11, "扬声器🎧 Lumatix U"}}, "扬声器🎧 Lumatix U"},
         }) {
        hardware.setOutputs(outputs);
        Audio::refreshSpeakerDevice();
        EXPECT_EQ(speakerDevice().name, name);
        EXPECT_EQ(speakerDevice().deviceID, name ? outputs.back().id : 0u);
    }
}

TEST_F(AudioTest, ModesChooseTheirDevices) {
    const Devices outs{{1, "Built-in Speakers"}, {7, "Lumatix U"}};
    const Devices mics{{2, "Built-in Microphone"}, {8, "Lumatix U"}};
    const Devices ownMics{{8, "Lumatix U"}, {9, "My Lumatix U"}};
    // Mode, outputs, inputs, outputs at the last refresh, defaults asked (output, input), outcome.
    using IDs = std::vector<AudioDeviceID>;
    for (const auto& [what, outputs, inputs, recorded, output, input, result] : std::vector<
             std::tuple<std::string, Devices, Devices, Devices, IDs, IDs, AppManger::ModeSwitch>>{
             {"meeting, full name", {{7, "Lumatix U Pro"}}, mics, {}, {7}, {}, switched},
             {"meeting, none", {{1, "Speakers"}}, mics, outs, {}, {}, noSpeakerphone},
             {"music, only its own", outs, ownMics, outs, {7}, {}, switched},
             {"music, last record", {}, mics, outs, {7}, {2}, deviceGone},
             {"music, no record", outs, mics, {}, {}, {}, noSpeakerphone},
         }) {
        SCOPED_TRACE(what);
        const bool meeting = what.starts_with("meeting");
        hardware.outputRequests.clear();
        hardware.inputRequests.clear();
        hardware.defaultInput.reset();
        hardware.setOutputs(recorded);
        Audio::refreshSpeakerDevice();
        hardware.setOutputs(outputs);
        hardware.setInputs(inputs);
        log.clear();
        EXPECT_EQ(switchMode(meeting), result);
        std::vector<std::string> lines{meeting ? "didMeetingClick" : "didMusicClick"};
        if (result == deviceGone) {
            lines.emplace_back("mode switch: a device to choose is gone from the sound server");
        }
        EXPECT_EQ(log.lines(), lines);
        EXPECT_EQ(hardware.outputRequests, output);
        EXPECT_EQ(hardware.inputRequests, input);
    }
    // Of two speakerphones, the microphone matches the one chosen.
    hardware.setOutputs({{7, "Lumatix U"}, {8, "Lumatix U (2)"}});
    hardware.setInputs({{20, "Lumatix U Microphone"}, {21, "Lumatix U (2) Microphone"}});
    AppManger::shared().switchToMeetingMode();
    ASSERT_TRUE(hardware.defaultOutput && hardware.defaultInput);
    EXPECT_EQ(*hardware.defaultInput - 20, *hardware.defaultOutput - 7);
}

// Music mode: the remembered microphone, else the computer's own, else the first; never ours.
TEST(MicrophoneChoiceTest, RemembersAndChoosesTheMicrophoneForMusic) {
    const auto mic = [](AudioDeviceID id, std::string server, std::string formFactor,
                        std::string bus) {
        const auto name = server.starts_with("lumatix") ? "Lumatix U" : "Mic " + server;
        return AudioDeviceInfo{id, name, "", std::nullopt, server, formFactor, bus};
    };
    const auto webcam = mic(1, "webcam", "webcam", "usb");
    const auto headset = mic(2, "headset", "headset", "bluetooth");
    const auto line = mic(3, "line", "", "usb");
    const auto builtin = mic(4, "builtin", "internal", "");
    const auto onPci = mic(5, "pci", "", "pci");
    const auto onSoc = mic(6, "soc", "", "platform");
    const auto webcamOnPci = mic(7, "webcam-pci", "webcam", "pci");
    const auto speakerphone = mic(8, "lumatix", "", "usb");
    const auto internalSpeakerphone = mic(9, "lumatix-pci", "internal", "pci");
    using Inputs = MicrophoneChoice::Inputs;
    using Remembered = std::optional<std::string>;
    for (const auto& [what, inputs, remembered, chosen] :
         std::vector<std::tuple<std::string, Inputs, Remembered, std::optional<AudioDeviceID>>>{
             {"previous present", {webcam, builtin, headset}, "headset", 2},
             {"previous gone", {webcam, line, builtin}, "headset", 4},
             {"on the PCI bus", {line, onPci}, std::nullopt, 5},
             {"on the platform bus", {webcam, onSoc}, "gone", 6},
             {"form factor before bus", {line, webcamOnPci}, std::nullopt, 3},
             {"no internal one", {headset, webcam}, "gone", 2},
             {"speakerphone remembered", {speakerphone, webcam}, "lumatix", 1},
             {"speakerphone only", {internalSpeakerphone, speakerphone}, "lumatix", std::nullopt},
         }) {
        const auto choice = MicrophoneChoice::forMusic(inputs, remembered);
        EXPECT_EQ(choice ? std::optional(choice->id) : std::nullopt, chosen) << what;
    }
    const Inputs inputs{webcam, speakerphone};
    for (const auto& [current, remembered] :
         std::vector<std::pair<std::optional<AudioDeviceID>, Remembered>>{
             {1, "webcam"}, {8, std::nullopt}, {2, std::nullopt}, {std::nullopt, std::nullopt}}) {
        EXPECT_EQ(MicrophoneChoice::toRemember(inputs, current), remembered);
    }
}

// The best usable headset and music profiles, as PulseAudio and PipeWire name them.
TEST(BluetoothProfilesTest, ChoosesTheBestUsableProfileOfEachFamily) {
    using Profiles = std::vector<platform::AudioCardProfile>;
    using Choice = std::optional<std::string>;
    for (const auto& [what, profiles, meeting, music] :
         std::vector<std::tuple<std::string, Profiles, Choice, Choice>>{
             {"PulseAudio",
              {profile("a2dp_sink", 40), duplex("headset_head_unit", 30),
               duplex("handsfree_head_unit", 20), profile("off", 0, true, 0, 0)},
              "headset_head_unit",
              "a2dp_sink"},
             {"PipeWire codecs",
              {profile("a2dp-sink-sbc", 18), profile("a2dp-sink-aac", 19),
               profile("a2dp-sink", 20, false), duplex("headset-head-unit-cvsd", 1),
               duplex("headset-head-unit-msbc", 2), duplex("headset-head-unit", 3, false)},
              "headset-head-unit-msbc",
              "a2dp-sink-aac"},
             {"equal priority: listed first",
              {duplex("handsfree_head_unit", 30), duplex("headset_head_unit", 30)},
              "handsfree_head_unit",
              std::nullopt},
             {"no microphone in it", {profile("headset_head_unit", 30, true, 1, 0)}, {}, {}},
             {"phone",
              {profile("a2dp_source", 40, true, 0, 1), duplex("headset_audio_gateway", 30)},
              {},
              {}},
             {"USB",
              {duplex("output:analog-stereo+input:mono-fallback", 6500),
               profile("output:analog-stereo", 6000)},
              {},
              {}},
         }) {
        const platform::AudioCardInfo card{40, "Lumatix U", profiles, {}};
        EXPECT_EQ(BluetoothProfiles::meetingProfile(card), meeting) << what;
        EXPECT_EQ(BluetoothProfiles::musicProfile(card), music) << what;
    }
}

// Meeting mode takes the headset profile unless refused; a link without a microphone still moves.
TEST_F(AudioTest, ModesTakeTheBluetoothProfileThatHasWhatTheyNeed) {
    hardware.setInputs({{3, "USB Mic"}});
    hardware.addBluetoothSpeakerphone();
    hardware.defaultInput = 3;
    hardware.copy = MemoryAudioHardware::Copy::events;
    // A profile the server refuses ends the switch there.
    const auto requestsBefore = hardware.outputRequests.size();
    hardware.forcedAnswer = platform::AudioResult::refused;
    EXPECT_EQ(switchMode(true), refused);
    EXPECT_EQ(hardware.outputRequests.size(), requestsBefore);
    hardware.forcedAnswer = platform::AudioResult::timedOut;
    EXPECT_EQ(switchMode(true), noAnswer);
    hardware.forcedAnswer = std::nullopt;

    // A link that never brings up its microphone: the output still moves, and it is said.
    hardware.profileDevices = [](platform::AudioCardID id, const std::string&) {
        return MemoryAudioHardware::State{{{90, "Lumatix U", "", id}}, {}, {}};
    };
    EXPECT_EQ(switchMode(true), profileTimedOut);
    EXPECT_EQ(hardware.defaultOutput, 90u);
    EXPECT_EQ(hardware.defaultInput, 3u);

    // A card without headset profiles (USB) is left alone.
    const auto profileRequests = hardware.profileRequests.size();
    hardware.copy = MemoryAudioHardware::Copy::live;
    hardware.setCards(
        {{50, "Lumatix U USB", {profile("output:analog-stereo", 6000)}, "output:analog-stereo"}});
    hardware.setOutputs({{20, "Lumatix U", "", 50}});
    EXPECT_EQ(switchMode(true), switched);
    EXPECT_EQ(hardware.profileRequests.size(), profileRequests);
    EXPECT_EQ(hardware.defaultOutput, 20u);
}

// Quick clicks: the later one wins and alone reports; devices on their way out are never chosen.
TEST_F(AudioTest, TheLaterOfQuickClicksWinsAndNoDeviceOnItsWayOutIsChosen) {
    using Clicks = std::vector<bool>; // Meeting mode?
    using platform::AudioResult;
    // Starting profile (none: USB), clicks in one turn, old devices' linger, first click's answer.
    for (const auto& [start, clicks, linger, firstAnswer] :
         std::vector<std::tuple<std::string, Clicks, std::chrono::milliseconds,
                                std::optional<AudioResult>>>{
             {"", {true, false}, 0ms, std::nullopt},
             {"a2dp_sink", {true, false}, 0ms, std::nullopt},
             {"headset_head_unit", {false, true}, 0ms, std::nullopt},
             {"a2dp_sink", {true, true}, 0ms, std::nullopt},
             {"a2dp_sink", {true, true}, 0ms, AudioResult::timedOut},
             {"a2dp_sink", {true}, 300ms, std::nullopt},
             {"headset_head_unit", {false}, 300ms, std::nullopt},
         }) {
        SCOPED_TRACE(start + " " + testing::PrintToString(clicks));
        // A server of the row's own.
        MemoryAudioHardware hardware;
        ScopedPlatform row({.audioHardware = &hardware});
        hardware.setInputs({{2, "Built-in Microphone"}});
        if (start.empty()) {
            hardware.setOutputs({{50, "Lumatix U"}});
            hardware.setInputs({{2, "Built-in Microphone"}, {51, "Lumatix U"}});
        } else {
            hardware.addBluetoothSpeakerphone(start);
        }
        hardware.copy = MemoryAudioHardware::Copy::events;
        hardware.profileArrival = 100ms;
        hardware.profileDeparture = linger;
        Audio::refreshSpeakerDevice();
        std::vector<std::optional<AppManger::ModeSwitch>> reports(clicks.size());
        for (std::size_t i = 0; i < clicks.size(); ++i) {
            hardware.forcedAnswer = i == 0 ? firstAnswer : std::nullopt;
            const auto done = [&reports, i](AppManger::ModeSwitch outcome) {
                reports[i] = outcome;
            };
            clicks[i] ? AppManger::shared().switchToMeetingMode(done)
                      : AppManger::shared().switchToMusicMode(done);
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return reports.back().has_value(); }, 5000));
        EXPECT_EQ(reports.back(), switched);
        EXPECT_EQ(std::ranges::count(reports, std::optional<AppManger::ModeSwitch>()),
                  std::ssize(clicks) - 1);
        const auto [output, input] = speakerphone(hardware);
        EXPECT_EQ(std::ranges::count(hardware.outputRequests, output),
                  std::ssize(hardware.outputRequests));
        EXPECT_EQ(hardware.defaultInput, clicks.back() ? input : 2u);
    }
}

// Ticks tell the screens always, changes between ticks only of a speakerphone that came or went.
TEST_F(AudioTest, TheMonitorFollowsTheSpeakerphoneOnEveryTickAndChange) {
    const Devices speaker{{7, "Lumatix U"}};
    hardware.setOutputs(speaker);
    AppManger::shared().startCheckBTStatusTimer();
    EXPECT_TRUE(speakerDevice().isPresent());
    const int timers = platform::Timer::activeCount();
    AppManger::shared().startCheckBTStatusTimer();
    EXPECT_EQ(platform::Timer::activeCount(), timers);
    EXPECT_TRUE(AppManger::shared().checkBTStatusTimer()->repeats());
    const Devices speakers{{1, "Built-in Speakers"}, {7, "Lumatix U"}};
    const Devices more{{1, "Built-in Speakers"}, {7, "Lumatix U"}, {8, "HDMI"}};
    // Tick (else a change), state before, outputs; then presence, state after, posts so far.
    const auto [first, guide, mode] =
        std::tuple(MainScreen::firstRun, MainScreen::pairingGuide, MainScreen::mode);
    const std::vector<std::tuple<bool, MainScreen, Devices, bool, MainScreen, int>> steps{
        {true, first, {}, false, first, 0},      {true, guide, speaker, true, mode, 1},
        {true, mode, speaker, true, mode, 2},    {true, mode, {}, false, guide, 3},
        {false, guide, speakers, true, mode, 4}, {false, mode, more, true, mode, 4},
        {false, mode, {}, false, guide, 5},      {false, first, speaker, true, first, 5},
        {false, mode, {}, true, mode, 5}}; // the monitor stopped
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const auto& [tick, before, outputs, present, after, postsSoFar] = steps[i];
        if (i + 1 == steps.size()) {
            AppManger::shared().stopCheckBTStatusTimer();
        }
        mainScreenState = before;
        hardware.setOutputs(outputs);
        tick ? AppManger::shared().checkBTStatus() : QTest::qWait(20);
        EXPECT_EQ(speakerDevice().isPresent(), present) << i;
        EXPECT_EQ(std::pair(mainScreenState, posts), std::pair(after, postsSoFar)) << i;
    }
}

} // namespace
