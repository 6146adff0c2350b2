#include "app/CommandLine.h"

#include "audio/SpeakerDevice.h"
#include "platform/MemoryAudioHardware.h"
#include "support/CapturedLog.h"
#include "support/ScopedPlatform.h"

#include <gtest/gtest.h>
#include <sstream>

using Action = CommandLineRequest::Action;

TEST(CommandLineTest, ParsesEveryCommandAndRejectsTheRest) {
    EXPECT_EQ(CommandLine::parse({}).action, Action::runApplication);
    EXPECT_EQ(CommandLine::parse({"--list-devices"}).action, Action::listDevices);
    EXPECT_EQ(CommandLine::parse({"--mode", "meeting"}).action, Action::meetingMode);
    EXPECT_EQ(CommandLine::parse({"--mode=music"}).action, Action::musicMode);
    EXPECT_EQ(CommandLine::parse({"--version"}).action, Action::version);
    EXPECT_EQ(CommandLine::parse({"--help"}).action, Action::help);

    for (const auto& arguments : std::vector<std::vector<std::string>>{{"--mode"},
                                                                       {"--mode", "Meeting"},
                                                                       {"--mode", "party"},
                                                                       {"--mode="},
                                                                       {"--frobnicate"},
                                                                       {"music"},
                                                                       {"--version", "--help"},
                                                                       {"--mode", "music", "extra"},
                                                                       {"-platform", "xcb"}}) {
        const auto request = CommandLine::parse(arguments);
        EXPECT_EQ(request.action, Action::invalid) << arguments.front();
        EXPECT_FALSE(request.error.empty());
    }
}

TEST(CommandLineTest, InvalidUsageExitsWithStatusTwoAndSaysWhy) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(CommandLine::run(CommandLine::parse({"--mode", "party"}), out, err), 2);
    EXPECT_NE(err.str().find("party"), std::string::npos);
    EXPECT_TRUE(out.str().empty());
}

class CommandLineDevicesTest : public ::testing::Test {
protected:
    void SetUp() override { speakerDevice() = {}; }

    int run(std::vector<std::string> arguments) {
        out.str({});
        err.str({});
        return CommandLine::run(CommandLine::parse(arguments), out, err);
    }

    platform::MemoryAudioHardware hardware;
    ScopedPlatform scoped{{.audioHardware = &hardware}};
    CapturedLog log;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(CommandLineDevicesTest, ListsDevicesAndMarksTheSpeakerphone) {
    hardware.setOutputs({{3, "Built-in Speakers"}, {7, "Lumatix U"}});
    hardware.setInputs({{5, "Lumatix U"}, {2, "Built-in Microphone"}});
    EXPECT_EQ(run({"--list-devices"}), 0);
    EXPECT_EQ(out.str(), "Output devices:\n"
                         "  3\tBuilt-in Speakers\n"
                         "  7\tLumatix U\t[speakerphone]\n"
                         "Input devices:\n"
                         "  2\tBuilt-in Microphone\n"
                         "  5\tLumatix U\t[speakerphone]\n");
}

TEST_F(CommandLineDevicesTest, EmptySystemListsNothing) {
    EXPECT_EQ(run({"--list-devices"}), 0);
    EXPECT_EQ(out.str(), "Output devices: none\nInput devices: none\n");
}

TEST_F(CommandLineDevicesTest, ModesSwitchAndReportWhetherTheSpeakerphoneWasThere) {
    hardware.setOutputs({{7, "Lumatix U"}});
    hardware.setInputs({{5, "Lumatix U"}, {2, "Built-in Microphone"}});
    EXPECT_EQ(run({"--mode", "meeting"}), 0);
    EXPECT_EQ(hardware.defaultInput(), 5u);
    EXPECT_EQ(run({"--mode", "music"}), 0);
    EXPECT_EQ(hardware.defaultOutput(), 7u);
    EXPECT_EQ(hardware.defaultInput(), 2u);
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"didMeetingClick", "didMusicClick"}));

    hardware.setOutputs({{3, "Built-in Speakers"}});
    EXPECT_EQ(run({"--mode", "music"}), 1);
    EXPECT_NE(err.str().find("Lumatix U"), std::string::npos);
    EXPECT_EQ(hardware.outputRequests().size(), 2u);
}
