#include "audio/Audio.h"

#include "audio/SpeakerDevice.h"
#include "platform/MemoryAudioHardware.h"
#include "support/ScopedPlatform.h"

#include <gtest/gtest.h>

using platform::AudioDeviceInfo;

class AudioTest : public ::testing::Test {
protected:
    void SetUp() override { speakerDevice() = {}; }

    platform::MemoryAudioHardware hardware;
    ScopedPlatform scoped{{.audioHardware = &hardware}};
};

TEST_F(AudioTest, SpeakerphoneIsFoundAmongOutputsOnly) {
    hardware.setOutputs({{3, "Built-in Speakers"}, {7, "Lumatix U"}});
    hardware.setInputs({{7, "Built-in Microphone"}});

    EXPECT_EQ(Audio::getOutputDevices(), (DeviceTable{{3, "Built-in Speakers"}, {7, "Lumatix U"}}));
    EXPECT_EQ(Audio::getInputDevices(), (DeviceTable{{7, "Built-in Microphone"}}));

    Audio::refreshSpeakerDevice();
    EXPECT_EQ(speakerDevice().name, "Lumatix U");
    EXPECT_EQ(speakerDevice().deviceID, 7u);
}

TEST_F(AudioTest, RecognisesTheMarkAnywhereButOnlyInItsOwnCase) {
    hardware.setOutputs({{4, "Headset (Lumatix U Pro) Stereo"}});
    Audio::refreshSpeakerDevice();
    EXPECT_EQ(speakerDevice().name, "Headset (Lumatix U Pro) Stereo");

    hardware.setOutputs({{4, "lumatix u"}, {5, "LUMATIX U"}, {6, "Lumatix-U"}});
    Audio::refreshSpeakerDevice();
    EXPECT_FALSE(speakerDevice().isPresent());
    EXPECT_EQ(speakerDevice().deviceID, 0u);
}

TEST_F(AudioTest, MicrophoneNamedLikeTheSpeakerphoneIsNotTheSpeakerphone) {
    hardware.setOutputs({{1, "Built-in Speakers"}});
    hardware.setInputs({{9, "Lumatix U"}});
    Audio::refreshSpeakerDevice();
    EXPECT_FALSE(speakerDevice().isPresent());
}

TEST_F(AudioTest, RecordFollowsTheSpeakerphoneComingAndGoing) {
    hardware.setOutputs({{7, "Lumatix U"}});
    Audio::refreshSpeakerDevice();
    ASSERT_TRUE(speakerDevice().isPresent());

    hardware.setOutputs({{1, "Built-in Speakers"}});
    Audio::refreshSpeakerDevice();
    EXPECT_FALSE(speakerDevice().isPresent());
    EXPECT_EQ(speakerDevice().deviceID, 0u);

    hardware.setOutputs({});
    Audio::refreshSpeakerDevice();
    EXPECT_FALSE(speakerDevice().isPresent());
}

TEST_F(AudioTest, OfTwoSpeakerphonesOneIsRecorded) {
    hardware.setOutputs({{7, "Lumatix U"}, {8, "Lumatix U #2"}});
    Audio::refreshSpeakerDevice();
    ASSERT_TRUE(speakerDevice().isPresent());
    EXPECT_TRUE((speakerDevice().deviceID == 7 && speakerDevice().name == "Lumatix U") ||
                (speakerDevice().deviceID == 8 && speakerDevice().name == "Lumatix U #2"));
}

TEST_F(AudioTest, DeviceListedTwiceKeepsItsLaterName) {
    hardware.setOutputs({{2, "Old name"}, {2, "New name"}});
    EXPECT_EQ(Audio::getOutputDevices(), (DeviceTable{{2, "New name"}}));
}

TEST_F(AudioTest, OutputsAndInputsAreNumberedSeparately) {
    hardware.setOutputs({{5, "Lumatix U"}});
    hardware.setInputs({{5, "Built-in Microphone"}});
    const auto all = Audio::getAllDevices();
    EXPECT_EQ(all, (std::vector<Audio::DeviceRef>{{Audio::DeviceKind::output, 5},
                                                  {Audio::DeviceKind::input, 5}}));
}

TEST_F(AudioTest, LongAndUnicodeNamesSurvive) {
    std::string longName;
    while (longName.size() < 1000) {
        longName += "扬声器🎧 ";
    }
    longName += "Lumatix U";
    hardware.setOutputs({{11, longName}});
    Audio::refreshSpeakerDevice();
    EXPECT_EQ(speakerDevice().name, longName);
}
