#include "audio/Audio.h"

#include "audio/AppManger.h"
#include "core/ProcessState.h"
#include "core/SpeakerDevice.h"
#include "platform/NotificationCenter.h"
#include "platform/Timer.h"
#include "support/CapturedLog.h"
#include "support/PlatformDoubles.h"
#include "support/ScopedPlatform.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

using platform::AudioDeviceID;
using platform::AudioDeviceInfo;
using Devices = std::vector<AudioDeviceInfo>;

class AudioTest : public ::testing::Test {
protected:
    AudioTest() {
        platform::NotificationCenter::defaultCenter().addObserver(this, "checkStatus",
                                                                  [this] { ++posts; });
    }
    ~AudioTest() override { platform::NotificationCenter::defaultCenter().removeObserver(this); }

    MemoryAudioHardware hardware;
    ScopedPlatform scoped{{.audioHardware = &hardware}};
    CapturedLog log;
    int posts = 0;
};

TEST_F(AudioTest, SpeakerphoneIsAnOutputCarryingTheMarkInItsOwnCase) {
    hardware.setInputs({{9, "Lumatix U"}}); // an input never counts
    // The outputs, and the speakerphone's name among them.
    for (const auto& [outputs, name] : std::vector<std::pair<Devices, std::optional<std::string>>>{
             {{{3, "Built-in Speakers"}, {7, "Lumatix U"}}, "Lumatix U"},
             {{{4, "Headset (Lumatix U Pro) Stereo"}}, "Headset (Lumatix U Pro) Stereo"},
             {{{4, "lumatix u"}, {5, "LUMATIX U"}, {6, "Lumatix-U"}}, std::nullopt},
             {{{1, "Built-in Speakers"}}, std::nullopt},
             {{}, std::nullopt},
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
    // Mode and case, outputs, inputs, the outputs at the last refresh (Music mode uses that
    // record), what the mode asks the system to make the defaults (output, input), and what it
    // reports: a speakerphone gone since the record is refused.
    using IDs = std::vector<AudioDeviceID>;
    using enum AppManger::ModeSwitch;
    for (const auto& [what, outputs, inputs, recorded, output, input, result] : std::vector<
             std::tuple<std::string, Devices, Devices, Devices, IDs, IDs, AppManger::ModeSwitch>>{
             {"meeting, full name", {{7, "Lumatix U Pro"}}, mics, {}, {7}, {}, switched},
             {"meeting, none", {{1, "Speakers"}}, mics, outs, {}, {}, noSpeakerphone},
             {"music, only its own", outs, ownMics, outs, {7}, {}, switched},
             {"music, last record", {}, mics, outs, {7}, {2}, refused},
             {"music, no record", outs, mics, {}, {}, {}, noSpeakerphone},
             {"music, system's order",
              outs,
              {{9, "USB Mic"}, {2, "Built-in Microphone"}, {8, "Lumatix U"}},
              outs,
              {7},
              {9},
              switched},
         }) {
        SCOPED_TRACE(what);
        const bool meeting = what.starts_with("meeting");
        MemoryAudioHardware fresh;
        ScopedPlatform here({.audioHardware = &fresh});
        fresh.setOutputs(recorded);
        Audio::refreshSpeakerDevice();
        fresh.setOutputs(outputs);
        fresh.setInputs(inputs);
        log.clear();
        EXPECT_EQ(meeting ? AppManger::shared().switchToMeetingMode()
                          : AppManger::shared().switchToMusicMode(),
                  result);
        EXPECT_EQ(log.lines(),
                  std::vector<std::string>{meeting ? "didMeetingClick" : "didMusicClick"});
        EXPECT_EQ(fresh.outputRequests(), output);
        EXPECT_EQ(fresh.inputRequests(), input);
    }
    // Music mode gives back the microphone Meeting mode took over, while it is there.
    hardware.setOutputs({{7, "Lumatix U"}});
    hardware.setInputs({{2, "Built-in Microphone"}, {5, "USB Mic"}, {8, "Lumatix U"}});
    hardware.setDefaultInput(5);
    Audio::refreshSpeakerDevice();
    for (const auto& [inputs, expected] : std::vector<std::pair<Devices, AudioDeviceID>>{
             {{{2, "Built-in Microphone"}, {5, "USB Mic"}, {8, "Lumatix U"}}, 5},
             {{{2, "Built-in Microphone"}, {8, "Lumatix U"}}, 2}}) {
        ASSERT_EQ(AppManger::shared().switchToMeetingMode(), AppManger::ModeSwitch::switched);
        EXPECT_EQ(hardware.defaultInput(), 8u);
        hardware.setInputs(inputs);
        ASSERT_EQ(AppManger::shared().switchToMusicMode(), AppManger::ModeSwitch::switched);
        EXPECT_EQ(hardware.defaultInput(), expected);
    }
    // Of two speakerphones, the microphone matches the one chosen.
    hardware.setOutputs({{7, "Lumatix U"}, {8, "Lumatix U (2)"}});
    hardware.setInputs({{20, "Lumatix U Microphone"}, {21, "Lumatix U (2) Microphone"}});
    AppManger::shared().switchToMeetingMode();
    ASSERT_TRUE(hardware.defaultOutput() && hardware.defaultInput());
    EXPECT_EQ(*hardware.defaultInput() - 20, *hardware.defaultOutput() - 7);
}

TEST_F(AudioTest, MonitorTicksFollowTheSpeakerphoneOutsideTheFirstRun) {
    hardware.setOutputs({{7, "Lumatix U"}});
    AppManger::shared().startCheckBTStatusTimer();
    EXPECT_TRUE(speakerDevice().isPresent());
    const int timers = platform::Timer::activeCount();
    AppManger::shared().startCheckBTStatusTimer();
    EXPECT_EQ(platform::Timer::activeCount(), timers);
    EXPECT_TRUE(AppManger::shared().checkBTStatusTimer()->repeats());

    // The screen state before, the speakerphone's presence, the state after, the posts so far.
    const std::vector<std::tuple<std::uint8_t, bool, std::uint8_t, int>> ticks{
        {0, false, 0, 0}, {1, true, 2, 1}, {2, true, 2, 2}, {2, false, 1, 3}};
    for (const auto& [before, present, after, postsSoFar] : ticks) {
        mainScreenState = before;
        hardware.setOutputs(present ? Devices{{7, "Lumatix U"}} : Devices{});
        AppManger::shared().checkBTStatus();
        EXPECT_EQ(speakerDevice().isPresent(), present);
        EXPECT_EQ(mainScreenState, after);
        EXPECT_EQ(posts, postsSoFar);
    }
}

} // namespace
