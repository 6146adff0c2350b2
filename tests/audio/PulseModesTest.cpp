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
        const char* output; // descriptions of the speakerphone's sink and source
        const char* input;
        const char* product; // their device.product.name, if any
        bool meeting;
        bool builtinMic;      // without it only monitors are left besides the speakerphone's mic
        const char* defaults; // the server's default sink and source afterwards
    } cases[] = {
        {"Lumatix U", "Lumatix U", "", true, true, "speaker speaker_mic"},
        {"Lumatix U", "Lumatix U", "", false, true, "speaker builtin_mic"},
        {"Lumatix U", "Lumatix U", "", false, false, "speaker speaker_mic"},
        // A USB speakerphone names its profile in its descriptions; its product pairs them.
        {"Lumatix U Analog Stereo", "Lumatix U Mono", "Lumatix U", true, true,
         "speaker speaker_mic"},
        // No speakerphone: the name's case matters, and nothing changes.
        {"lumatix u", "lumatix u", "", true, true, "builtin builtin_mic"},
        {"lumatix u", "lumatix u", "", false, true, "builtin speaker_mic"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.output) + (c.meeting ? " meeting" : " music"));
        PulseServer server;
        server.addSink("speaker", c.output, c.product).addSink("builtin", "Built-in Speakers");
        server.addSource("speaker_mic", c.input, c.product);
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
