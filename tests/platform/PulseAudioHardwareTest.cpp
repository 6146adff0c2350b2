#include "platform/PulseAudioHardware.h"

#include "support/PulseServer.h"

#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

using platform::AudioDeviceInfo;
using platform::PulseAudioHardware;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;
using Clock = std::chrono::steady_clock;

namespace {

constexpr auto kHangLimit = std::chrono::seconds(3);

std::vector<std::string> namesOf(const std::vector<AudioDeviceInfo>& devices) {
    std::vector<std::string> names;
    for (const auto& device : devices) {
        names.push_back(device.name);
    }
    return names;
}

// Times a call only to catch hangs: the limits are far above any normal duration.
template <typename Call>
auto timed(Call&& call, Clock::duration& elapsed) {
    const auto started = Clock::now();
    auto result = call();
    elapsed = Clock::now() - started;
    return result;
}

// Sources come first so that a sink and an unrelated real source share each index:
// sources lumatix_mic 0, builtin_mic 1; sinks lumatix 0, builtin 1 (monitors 2, 3);
// then usb_mic 4, an index no sink has.
class PulseAudioHardwareTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.addSource("lumatix_mic", "Lumatix U")
            .addSource("builtin_mic", "Built-in Microphone")
            .addSink("lumatix", "Lumatix U")
            .addSink("builtin", "Built-in Speakers")
            .addSource("usb_mic", "USB Microphone");
        ASSERT_TRUE(server.start()) << server.log();
    }

    std::uint32_t sink(const std::string& name) const {
        const auto index = server.sinkIndex(name);
        EXPECT_TRUE(index.has_value()) << name;
        return index.value_or(9999);
    }
    std::uint32_t source(const std::string& name) const {
        const auto index = server.sourceIndex(name);
        EXPECT_TRUE(index.has_value()) << name;
        return index.value_or(9999);
    }

    PulseServer server;
};

} // namespace

TEST_F(PulseAudioHardwareTest, ListsSinksAsOutputsAndOnlyRealSourcesAsInputs) {
    PulseAudioHardware hardware("lumatix-test");

    EXPECT_THAT(hardware.outputDevices(),
                ElementsAre(AudioDeviceInfo{sink("lumatix"), "Lumatix U"},
                            AudioDeviceInfo{sink("builtin"), "Built-in Speakers"}));
    // "Monitor of Lumatix U" and "Monitor of Built-in Speakers" exist but are no inputs.
    ASSERT_TRUE(server.sourceIndex("lumatix.monitor").has_value());
    EXPECT_THAT(hardware.inputOnlyDevices(),
                ElementsAre(AudioDeviceInfo{source("lumatix_mic"), "Lumatix U"},
                            AudioDeviceInfo{source("builtin_mic"), "Built-in Microphone"},
                            AudioDeviceInfo{source("usb_mic"), "USB Microphone"}));
}

TEST_F(PulseAudioHardwareTest, ListsFollowDevicesThatComeAndGo) {
    PulseAudioHardware hardware("lumatix-test");
    ASSERT_EQ(hardware.outputDevices().size(), 2u);

    ASSERT_TRUE(server.loadDevice({PulseServer::Device::Kind::Sink, "usb", "USB Headset"}));
    ASSERT_TRUE(server.loadDevice({PulseServer::Device::Kind::Source, "usb_in", "USB In"}));
    EXPECT_THAT(namesOf(hardware.outputDevices()),
                ElementsAre("Lumatix U", "Built-in Speakers", "USB Headset"));
    EXPECT_THAT(namesOf(hardware.inputOnlyDevices()),
                ElementsAre("Lumatix U", "Built-in Microphone", "USB Microphone", "USB In"));

    ASSERT_TRUE(server.unloadDevice("lumatix"));
    ASSERT_TRUE(server.unloadDevice("lumatix_mic"));
    EXPECT_THAT(namesOf(hardware.outputDevices()), ElementsAre("Built-in Speakers", "USB Headset"));
    EXPECT_THAT(namesOf(hardware.inputOnlyDevices()),
                ElementsAre("Built-in Microphone", "USB Microphone", "USB In"));
}

// One connection serves every call: the server sees a single client of ours, still there
// between calls.
TEST_F(PulseAudioHardwareTest, KeepsOneConnectionAcrossCalls) {
    PulseAudioHardware hardware("lumatix-one-connection");
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(hardware.outputDevices().size(), 2u);
        ASSERT_EQ(hardware.inputOnlyDevices().size(), 3u);
    }
    ASSERT_EQ(hardware.setDefaultOutputDevice(sink("builtin")), 0);

    const auto clients = server.pactl({"list", "clients"});
    ASSERT_TRUE(clients.ok());
    std::size_t ours = 0;
    for (std::size_t at = 0;
         (at = clients.output.find("\"lumatix-one-connection\"", at)) != std::string::npos; ++at) {
        ++ours;
    }
    EXPECT_EQ(ours, 1u) << clients.output;
}

TEST_F(PulseAudioHardwareTest, SettersChangeTheServerDefaults) {
    PulseAudioHardware hardware("lumatix-test");
    ASSERT_TRUE(server.setDefaultSink("builtin"));
    ASSERT_TRUE(server.setDefaultSource("builtin_mic"));

    EXPECT_EQ(hardware.setDefaultOutputDevice(sink("lumatix")), 0);
    EXPECT_EQ(server.defaultSink(), "lumatix");
    EXPECT_EQ(hardware.setDefaultInputDevice(source("lumatix_mic")), 0);
    EXPECT_EQ(server.defaultSource(), "lumatix_mic");

    EXPECT_EQ(hardware.setDefaultOutputDevice(sink("builtin")), 0);
    EXPECT_EQ(server.defaultSink(), "builtin");
    EXPECT_EQ(hardware.setDefaultInputDevice(source("usb_mic")), 0);
    EXPECT_EQ(server.defaultSource(), "usb_mic");
}

TEST_F(PulseAudioHardwareTest, RefusesMonitorsAndUnknownDevices) {
    PulseAudioHardware hardware("lumatix-test");
    ASSERT_TRUE(server.setDefaultSink("builtin"));
    ASSERT_TRUE(server.setDefaultSource("builtin_mic"));

    EXPECT_NE(hardware.setDefaultInputDevice(source("lumatix.monitor")), 0);
    EXPECT_NE(hardware.setDefaultInputDevice(source("builtin.monitor")), 0);
    EXPECT_NE(hardware.setDefaultInputDevice(4242), 0);
    EXPECT_NE(hardware.setDefaultOutputDevice(4242), 0);

    EXPECT_EQ(server.defaultSink(), "builtin");
    EXPECT_EQ(server.defaultSource(), "builtin_mic");
    // A refusal leaves the connection usable.
    EXPECT_EQ(hardware.setDefaultInputDevice(source("lumatix_mic")), 0);
}

TEST_F(PulseAudioHardwareTest, SinkAndSourceIndexesAreSeparate) {
    PulseAudioHardware hardware("lumatix-test");
    ASSERT_EQ(sink("builtin"), source("builtin_mic"));
    ASSERT_EQ(sink("lumatix"), source("lumatix_mic"));
    ASSERT_FALSE(server.sinkIndex("usb_mic").has_value());
    ASSERT_TRUE(server.setDefaultSink("lumatix"));
    ASSERT_TRUE(server.setDefaultSource("lumatix_mic"));

    EXPECT_EQ(hardware.setDefaultOutputDevice(sink("builtin")), 0);
    EXPECT_EQ(server.defaultSink(), "builtin");
    EXPECT_EQ(server.defaultSource(), "lumatix_mic");

    EXPECT_EQ(hardware.setDefaultInputDevice(source("builtin_mic")), 0);
    EXPECT_EQ(server.defaultSource(), "builtin_mic");
    EXPECT_EQ(server.defaultSink(), "builtin");

    EXPECT_EQ(hardware.setDefaultInputDevice(source("lumatix_mic")), 0);
    EXPECT_EQ(server.defaultSink(), "builtin");

    // usb_mic's index names no sink, nor does a monitor's.
    EXPECT_NE(hardware.setDefaultOutputDevice(source("usb_mic")), 0);
    EXPECT_NE(hardware.setDefaultOutputDevice(source("builtin.monitor")), 0);
    EXPECT_EQ(server.defaultSink(), "builtin");
}

TEST_F(PulseAudioHardwareTest, ReconnectsAfterTheServerRestarts) {
    PulseAudioHardware hardware("lumatix-test");
    ASSERT_EQ(hardware.outputDevices().size(), 2u);

    ASSERT_TRUE(server.restart()) << server.log();
    EXPECT_EQ(hardware.outputDevices().size(), 2u);
    EXPECT_EQ(hardware.setDefaultOutputDevice(sink("builtin")), 0);
    EXPECT_EQ(server.defaultSink(), "builtin");

    server.stop();
    Clock::duration elapsed{};
    EXPECT_THAT(timed([&] { return hardware.outputDevices(); }, elapsed), IsEmpty());
    EXPECT_LT(elapsed, kHangLimit);
    EXPECT_NE(timed([&] { return hardware.setDefaultInputDevice(0); }, elapsed), 0);
    EXPECT_LT(elapsed, kHangLimit);

    ASSERT_TRUE(server.start()) << server.log();
    EXPECT_EQ(hardware.inputOnlyDevices().size(), 3u);
    EXPECT_EQ(hardware.setDefaultInputDevice(source("usb_mic")), 0);
    EXPECT_EQ(server.defaultSource(), "usb_mic");
}

TEST_F(PulseAudioHardwareTest, StalledServerNeitherBlocksNorBreaksLaterCalls) {
    PulseAudioHardware connected("lumatix-test");
    ASSERT_EQ(connected.outputDevices().size(), 2u);
    const auto builtin = sink("builtin");
    const auto usbMic = source("usb_mic");

    ASSERT_TRUE(server.pause());
    // Both with a connection made before the stall and with one that must connect now.
    PulseAudioHardware fresh("lumatix-test");
    for (PulseAudioHardware* hardware : {&connected, &fresh}) {
        Clock::duration elapsed{};
        EXPECT_THAT(timed([&] { return hardware->outputDevices(); }, elapsed), IsEmpty());
        EXPECT_LT(elapsed, std::chrono::seconds(2));
        EXPECT_THAT(timed([&] { return hardware->inputOnlyDevices(); }, elapsed), IsEmpty());
        EXPECT_LT(elapsed, std::chrono::seconds(2));
        EXPECT_NE(timed([&] { return hardware->setDefaultOutputDevice(builtin); }, elapsed), 0);
        EXPECT_LT(elapsed, std::chrono::seconds(2));
    }
    ASSERT_TRUE(server.resume());

    for (PulseAudioHardware* hardware : {&connected, &fresh}) {
        EXPECT_EQ(hardware->outputDevices().size(), 2u);
        EXPECT_EQ(hardware->setDefaultInputDevice(usbMic), 0);
    }
    EXPECT_EQ(server.defaultSource(), "usb_mic");
}

TEST_F(PulseAudioHardwareTest, UnicodeAndLongDescriptionsComeBackIntact) {
    // 1000 characters (not bytes) of Chinese, emoji and accented Latin: about 3000 bytes.
    const std::string pieces[] = {"会", "议", "室", "🎤", "é", "ß", "📢", " ", "U"};
    std::string longName;
    for (int i = 0; i < 1000; ++i) {
        longName += pieces[i % std::size(pieces)];
    }
    const std::string chinese = "会议室扬声器";
    const std::string emoji = "Lumatix U 🎧 \"Pro\" 'mic' \\ end";
    ASSERT_TRUE(server.loadDevice({PulseServer::Device::Kind::Sink, "long", longName}));
    ASSERT_TRUE(server.loadDevice({PulseServer::Device::Kind::Sink, "chinese", chinese}));
    ASSERT_TRUE(server.loadDevice({PulseServer::Device::Kind::Source, "emoji", emoji}));
    ASSERT_TRUE(server.loadDevice({PulseServer::Device::Kind::Source, "long_in", longName}));

    PulseAudioHardware hardware("lumatix-test");
    EXPECT_THAT(namesOf(hardware.outputDevices()),
                ElementsAre("Lumatix U", "Built-in Speakers", longName, chinese));
    EXPECT_THAT(namesOf(hardware.inputOnlyDevices()),
                ElementsAre("Lumatix U", "Built-in Microphone", "USB Microphone", emoji, longName));
    EXPECT_EQ(hardware.setDefaultOutputDevice(sink("long")), 0);
    EXPECT_EQ(server.defaultSink(), "long");
}

// The test main points PULSE_SERVER at a socket that does not exist.
TEST(PulseAudioHardwareWithoutServerTest, GivesEmptyListsAndFailedSettersPromptly) {
    PulseAudioHardware hardware("lumatix-test");
    const auto started = Clock::now();
    for (int i = 0; i < 3; ++i) {
        EXPECT_THAT(hardware.outputDevices(), IsEmpty());
        EXPECT_THAT(hardware.inputOnlyDevices(), IsEmpty());
        EXPECT_NE(hardware.setDefaultOutputDevice(0), 0);
        EXPECT_NE(hardware.setDefaultInputDevice(0), 0);
    }
    EXPECT_LT(Clock::now() - started, kHangLimit);
}

TEST(PulseAudioHardwareWithoutServerTest, FindsAServerThatAppearsLater) {
    PulseServer server;
    server.addSink("lumatix", "Lumatix U");
    PulseAudioHardware hardware("lumatix-test");
    EXPECT_THAT(hardware.outputDevices(), IsEmpty());

    ASSERT_TRUE(server.start()) << server.log();
    EXPECT_THAT(namesOf(hardware.outputDevices()), UnorderedElementsAre("Lumatix U"));
}
