#include "audio/AppManger.h"
#include "audio/Audio.h"
#include "platform/PulseAudioHardware.h"
#include "support/PulseServer.h"
#include "support/ScopedPlatform.h"

#include <gtest/gtest.h>

// The modes end to end: the application's logic, the real client library and a real server
// with a speakerphone next to the computer's own devices.
TEST(PulseModesTest, ModesMoveTheServerDefaultsToTheRightDevices) {
    const struct {
        const char* speaker; // description of the speakerphone's sink and source
        bool meeting;
        bool builtinMic;      // without it only monitors are left besides the speakerphone's mic
        const char* defaults; // the server's default sink and source afterwards
    } cases[] = {
        {"Lumatix U", true, true, "speaker speaker_mic"},
        {"Lumatix U", false, true, "speaker builtin_mic"},
        {"Lumatix U", false, false, "speaker speaker_mic"},
        // No speakerphone: the name's case matters, and nothing changes.
        {"lumatix u", true, true, "builtin builtin_mic"},
        {"lumatix u", false, true, "builtin speaker_mic"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.speaker) + (c.meeting ? " meeting" : " music"));
        PulseServer server;
        server.addSink("speaker", c.speaker).addSink("builtin", "Built-in Speakers");
        server.addSource("speaker_mic", c.speaker);
        if (c.builtinMic) {
            server.addSource("builtin_mic", "Built-in Microphone");
        }
        ASSERT_TRUE(server.start()) << server.log();
        // Defaults other than those each mode should choose.
        ASSERT_TRUE(server.setDefaults("builtin", c.meeting ? "builtin_mic" : "speaker_mic"));
        platform::PulseAudioHardware hardware("lumatix-modes-test");
        ScopedPlatform scoped({.audioHardware = &hardware});
        Audio::refreshSpeakerDevice();
        c.meeting ? AppManger::shared().switchToMeetingMode()
                  : AppManger::shared().switchToMusicMode();
        EXPECT_EQ(server.defaults(), c.defaults);
    }
}

// A USB speakerphone names its profile in its descriptions; its product's name pairs them.
TEST(PulseModesTest, MeetingModePairsAUsbSpeakerphonesOutputAndInput) {
    PulseServer server;
    server.addSink("builtin", "Built-in Speakers")
        .addSink("usb", "Lumatix U Analog Stereo", "Lumatix U")
        .addSource("builtin_mic", "Built-in Microphone")
        .addSource("usb_mic", "Lumatix U Mono", "Lumatix U");
    ASSERT_TRUE(server.start()) << server.log();
    ASSERT_TRUE(server.setDefaults("builtin", "builtin_mic"));
    platform::PulseAudioHardware hardware("lumatix-modes-test");
    ScopedPlatform scoped({.audioHardware = &hardware});
    Audio::refreshSpeakerDevice();
    AppManger::shared().switchToMeetingMode();
    EXPECT_EQ(server.defaults(), "usb usb_mic");
}
