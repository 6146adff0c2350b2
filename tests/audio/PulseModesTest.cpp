#include "audio/AppManger.h"
#include "audio/Audio.h"
#include "audio/SpeakerDevice.h"
#include "platform/PulseAudioHardware.h"
#include "support/PulseServer.h"
#include "support/ScopedPlatform.h"

#include <gtest/gtest.h>

using platform::PulseAudioHardware;

namespace {

// The modes end to end: the application's logic, the real client library and a real server.
// Each test starts its own server; the speakerphone record is process-wide, so it is reset
// around every test.
class PulseModesTest : public ::testing::Test {
protected:
    void SetUp() override { speakerDevice() = SpeakerDevice{}; }
    void TearDown() override { speakerDevice() = SpeakerDevice{}; }

    // A speakerphone (output and microphone) next to the computer's own devices.
    void startWith(const std::string& speakerDescription) {
        server.addSink("speaker", speakerDescription)
            .addSink("builtin", "Built-in Speakers")
            .addSource("speaker_mic", speakerDescription)
            .addSource("builtin_mic", "Built-in Microphone");
        ASSERT_TRUE(server.start()) << server.log();
        // The defaults a user had before touching the app.
        ASSERT_TRUE(server.setDefaultSink("builtin"));
        ASSERT_TRUE(server.setDefaultSource("builtin_mic"));
    }

    PulseServer server;
    PulseAudioHardware hardware{"lumatix-modes-test"};
    ScopedPlatform scoped{{.audioHardware = &hardware}};
};

} // namespace

TEST_F(PulseModesTest, MeetingModeSendsOutputAndInputToTheSpeakerphone) {
    startWith("Lumatix U");
    Audio::refreshSpeakerDevice();
    ASSERT_EQ(speakerDevice().name, "Lumatix U");
    EXPECT_EQ(speakerDevice().deviceID, server.sinkIndex("speaker"));

    AppManger::shared().switchToMeetingMode();
    EXPECT_EQ(server.defaultSink(), "speaker");
    EXPECT_EQ(server.defaultSource(), "speaker_mic");
}

TEST_F(PulseModesTest, MusicModeKeepsTheSpeakerphoneForOutputOnly) {
    startWith("Lumatix U");
    ASSERT_TRUE(server.setDefaultSource("speaker_mic")); // as Meeting mode leaves it
    Audio::refreshSpeakerDevice();

    AppManger::shared().switchToMusicMode();
    EXPECT_EQ(server.defaultSink(), "speaker");
    EXPECT_EQ(server.defaultSource(), "builtin_mic");
}

// The monitors ("Monitor of Built-in Speakers" ...) are the only other sources left, and
// they must never become the microphone.
TEST_F(PulseModesTest, MusicModeNeverPicksAMonitorAsMicrophone) {
    startWith("Lumatix U");
    ASSERT_TRUE(server.unloadDevice("builtin_mic"));
    ASSERT_TRUE(server.setDefaultSource("speaker_mic"));
    Audio::refreshSpeakerDevice();

    AppManger::shared().switchToMusicMode();
    EXPECT_EQ(server.defaultSink(), "speaker");
    EXPECT_EQ(server.defaultSource(), "speaker_mic");
}

TEST_F(PulseModesTest, OnlyTheExactlyCasedNameIsTheSpeakerphone) {
    startWith("lumatix u");
    Audio::refreshSpeakerDevice();
    EXPECT_FALSE(speakerDevice().name.has_value());

    AppManger::shared().switchToMeetingMode();
    AppManger::shared().switchToMusicMode();
    EXPECT_EQ(server.defaultSink(), "builtin");
    EXPECT_EQ(server.defaultSource(), "builtin_mic");
}

TEST_F(PulseModesTest, ASpeakerphoneThatWentAwayIsNoLongerFound) {
    startWith("Lumatix U");
    Audio::refreshSpeakerDevice();
    ASSERT_TRUE(speakerDevice().name.has_value());

    ASSERT_TRUE(server.unloadDevice("speaker"));
    Audio::refreshSpeakerDevice();
    EXPECT_FALSE(speakerDevice().name.has_value());

    // Its microphone alone does not make Meeting mode touch anything.
    AppManger::shared().switchToMeetingMode();
    EXPECT_EQ(server.defaultSink(), "builtin");
    EXPECT_EQ(server.defaultSource(), "builtin_mic");
}

TEST_F(PulseModesTest, RefreshFindsTheDevicesAgainAfterTheServerRestarts) {
    startWith("Lumatix U");
    Audio::refreshSpeakerDevice();
    ASSERT_TRUE(speakerDevice().name.has_value());

    server.stop();
    Audio::refreshSpeakerDevice();
    EXPECT_FALSE(speakerDevice().name.has_value());

    ASSERT_TRUE(server.start()) << server.log();
    Audio::refreshSpeakerDevice();
    EXPECT_EQ(speakerDevice().name, "Lumatix U");
    EXPECT_EQ(speakerDevice().deviceID, server.sinkIndex("speaker"));

    // Restarted while the app holds a connection: the very next tick sees it.
    ASSERT_TRUE(server.restart()) << server.log();
    ASSERT_TRUE(server.setDefaultSink("builtin"));
    ASSERT_TRUE(server.setDefaultSource("builtin_mic"));
    Audio::refreshSpeakerDevice();
    EXPECT_EQ(speakerDevice().name, "Lumatix U");
    AppManger::shared().switchToMeetingMode();
    EXPECT_EQ(server.defaultSink(), "speaker");
    EXPECT_EQ(server.defaultSource(), "speaker_mic");
}
