#include "audio/AppManger.h"

#include "app/NotificationNames.h"
#include "audio/Audio.h"
#include "audio/SpeakerDevice.h"
#include "platform/MemoryAudioHardware.h"
#include "platform/NotificationCenter.h"
#include "platform/Timer.h"
#include "support/CapturedLog.h"
#include "support/ScopedPlatform.h"

#include <gtest/gtest.h>

namespace {

class AppMangerTest : public ::testing::Test {
protected:
    void SetUp() override {
        speakerDevice() = {};
        mainScreenState = 0;
        platform::NotificationCenter::defaultCenter().addObserver(
            this, notification_names::checkStatus, [this] { ++checkStatusPosts; });
    }
    void TearDown() override {
        platform::NotificationCenter::defaultCenter().removeObserver(this);
        mainScreenState = 0;
    }

    platform::MemoryAudioHardware hardware;
    ScopedPlatform scoped{{.audioHardware = &hardware}};
    CapturedLog log;
    int checkStatusPosts = 0;
};

TEST_F(AppMangerTest, TickDuringFirstRunRefreshesButPostsNothing) {
    hardware.setOutputs({{7, "Lumatix U"}});
    AppManger::shared().checkBTStatus();
    EXPECT_TRUE(speakerDevice().isPresent());
    EXPECT_EQ(mainScreenState, 0);
    EXPECT_EQ(checkStatusPosts, 0);
}

TEST_F(AppMangerTest, TickFollowsTheSpeakerphoneAndPostsEveryTime) {
    mainScreenState = 1;
    hardware.setOutputs({{7, "Lumatix U"}});
    AppManger::shared().checkBTStatus();
    EXPECT_EQ(mainScreenState, 2);
    AppManger::shared().checkBTStatus();
    EXPECT_EQ(mainScreenState, 2);

    hardware.setOutputs({});
    AppManger::shared().checkBTStatus();
    EXPECT_EQ(mainScreenState, 1);
    EXPECT_EQ(checkStatusPosts, 3);
}

TEST_F(AppMangerTest, StartingTheMonitorTwiceLeavesOneTimer) {
    const int before = platform::Timer::activeCount();
    const bool hadTimer = AppManger::shared().checkBTStatusTimer() != nullptr;
    AppManger::shared().startCheckBTStatusTimer();
    AppManger::shared().startCheckBTStatusTimer();
    EXPECT_EQ(platform::Timer::activeCount(), before + (hadTimer ? 0 : 1));
    const auto* timer = AppManger::shared().checkBTStatusTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->repeats());
    EXPECT_EQ(timer->interval(), std::chrono::milliseconds(3000));
}

TEST_F(AppMangerTest, StartingTheMonitorRefreshesAtOnce) {
    hardware.setOutputs({{7, "Lumatix U"}});
    AppManger::shared().startCheckBTStatusTimer();
    EXPECT_TRUE(speakerDevice().isPresent());
    EXPECT_EQ(checkStatusPosts, 0);
}

TEST_F(AppMangerTest, MeetingModeRoutesBothWaysToTheSpeakerphone) {
    hardware.setOutputs({{1, "Built-in Speakers"}, {7, "Lumatix U"}});
    hardware.setInputs({{2, "Built-in Microphone"}, {8, "Lumatix U"}});
    AppManger::shared().switchToMeetingMode();
    EXPECT_EQ(hardware.defaultOutput(), 7u);
    EXPECT_EQ(hardware.defaultInput(), 8u);
    EXPECT_EQ(log.lines(), std::vector<std::string>{"didMeetingClick"});
}

TEST_F(AppMangerTest, MeetingModeNeedsTheFullSpeakerNameInTheMicrophone) {
    hardware.setOutputs({{7, "Lumatix U Hands-Free"}});
    hardware.setInputs({{2, "Built-in Microphone"}, {8, "Lumatix U"}});
    AppManger::shared().switchToMeetingMode();
    EXPECT_EQ(hardware.defaultOutput(), 7u);
    EXPECT_TRUE(hardware.inputRequests().empty());
}

TEST_F(AppMangerTest, MeetingModeLooksUpTheSpeakerphoneAfresh) {
    // The record says absent, yet the device is there now.
    hardware.setOutputs({{7, "Lumatix U"}});
    AppManger::shared().switchToMeetingMode();
    EXPECT_EQ(hardware.defaultOutput(), 7u);
}

TEST_F(AppMangerTest, MeetingModeWithoutSpeakerphoneChangesNothing) {
    hardware.setOutputs({{1, "Built-in Speakers"}});
    hardware.setInputs({{8, "Lumatix U"}});
    AppManger::shared().switchToMeetingMode();
    EXPECT_TRUE(hardware.outputRequests().empty());
    EXPECT_TRUE(hardware.inputRequests().empty());
    EXPECT_TRUE(log.contains("didMeetingClick"));
}

TEST_F(AppMangerTest, MusicModePairsSpeakerphoneWithAnotherMicrophone) {
    hardware.setOutputs({{7, "Lumatix U"}});
    hardware.setInputs({{8, "Lumatix U"}, {2, "Built-in Microphone"}});
    Audio::refreshSpeakerDevice();
    AppManger::shared().switchToMusicMode();
    EXPECT_EQ(hardware.defaultOutput(), 7u);
    EXPECT_EQ(hardware.defaultInput(), 2u);
    EXPECT_EQ(log.lines(), std::vector<std::string>{"didMusicClick"});
}

TEST_F(AppMangerTest, MusicModeWithOnlySpeakerphoneMicrophonesChangesOnlyTheOutput) {
    hardware.setOutputs({{7, "Lumatix U"}});
    hardware.setInputs({{8, "Lumatix U"}, {9, "My Lumatix U mic"}});
    Audio::refreshSpeakerDevice();
    AppManger::shared().switchToMusicMode();
    EXPECT_EQ(hardware.defaultOutput(), 7u);
    EXPECT_TRUE(hardware.inputRequests().empty());
}

TEST_F(AppMangerTest, MusicModeUsesTheLastRecord) {
    hardware.setOutputs({{7, "Lumatix U"}});
    Audio::refreshSpeakerDevice();
    hardware.setOutputs({}); // unplugged, no tick yet
    AppManger::shared().switchToMusicMode();
    EXPECT_EQ(hardware.outputRequests(), std::vector<platform::AudioDeviceID>{7});

    hardware.setOutputs({{7, "Lumatix U"}});
    speakerDevice() = {};
    AppManger::shared().switchToMusicMode();
    EXPECT_EQ(hardware.outputRequests().size(), 1u);
}

} // namespace
