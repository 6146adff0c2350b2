#include "platform/PulseAudioHardware.h"

#include "support/PulseServer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using platform::AudioDeviceInfo;
using platform::PulseAudioHardware;
using namespace ::testing;

namespace {

// Sources come first so that a sink and an unrelated source share each index: sources
// lumatix_mic 0, builtin_mic 1; sinks lumatix 0, builtin 1 (monitors 2, 3); usb_mic 4.
class PulseAudioHardwareTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.addSource("lumatix_mic", "Lumatix U")
            .addSource("builtin_mic", "Built-in Microphone")
            .addSink("lumatix", "Lumatix U")
            .addSink("builtin", "内置扬声器 🔊")
            .addSource("usb_mic", "USB Microphone");
        ASSERT_TRUE(server.start()) << server.log();
    }
    std::uint32_t sink(const std::string& name) const { return server.sinkIndex(name).value(); }
    std::uint32_t source(const std::string& name) const { return server.sourceIndex(name).value(); }

    PulseServer server;
};

} // namespace

TEST_F(PulseAudioHardwareTest, SinksAreOutputsAndSourcesOtherThanMonitorsAreInputs) {
    PulseAudioHardware hardware("lumatix-test");
    EXPECT_THAT(hardware.outputDevices(),
                ElementsAre(AudioDeviceInfo{sink("lumatix"), "Lumatix U"},
                            AudioDeviceInfo{sink("builtin"), "内置扬声器 🔊"}));
    EXPECT_THAT(hardware.inputOnlyDevices(),
                ElementsAre(AudioDeviceInfo{source("lumatix_mic"), "Lumatix U"},
                            AudioDeviceInfo{source("builtin_mic"), "Built-in Microphone"},
                            AudioDeviceInfo{source("usb_mic"), "USB Microphone"}));

    // Devices plugged in later show up on the next call.
    ASSERT_TRUE(server.loadDevice({true, "usb", "USB Headset"}));
    ASSERT_TRUE(server.loadDevice({false, "usb_in", "USB In"}));
    EXPECT_EQ(hardware.outputDevices().back(), (AudioDeviceInfo{sink("usb"), "USB Headset"}));
    EXPECT_EQ(hardware.inputOnlyDevices().back(), (AudioDeviceInfo{source("usb_in"), "USB In"}));

    // All of it over one connection: the server sees a single client of ours.
    const auto clients = server.pactl({"list", "clients"}).output;
    const auto ours = clients.find("\"lumatix-test\"");
    EXPECT_TRUE(ours != std::string::npos && ours == clients.rfind("\"lumatix-test\"")) << clients;
}

// Sink and source indexes are separate numberings; a monitor or an unknown index is refused
// and leaves both defaults alone.
TEST_F(PulseAudioHardwareTest, SettersChangeOnlyTheirOwnDefault) {
    PulseAudioHardware hardware("lumatix-test");
    ASSERT_EQ(sink("builtin"), source("builtin_mic"));
    std::string expectedSink = "builtin";
    std::string expectedSource = "usb_mic";
    ASSERT_TRUE(server.setDefaultSink(expectedSink) && server.setDefaultSource(expectedSource));
    // Which setter, the index, the device that becomes the default (none: refused).
    const std::tuple<bool, std::uint32_t, const char*> steps[] = {
        {true, sink("lumatix"), "lumatix"},           {false, source("builtin_mic"), "builtin_mic"},
        {true, sink("builtin"), "builtin"},           {false, source("lumatix.monitor"), nullptr},
        {true, source("usb_mic"), nullptr},           {false, 4242, nullptr},
        {false, source("lumatix_mic"), "lumatix_mic"}};
    for (const auto& [output, index, becomes] : steps) {
        const int status =
            output ? hardware.setDefaultOutputDevice(index) : hardware.setDefaultInputDevice(index);
        EXPECT_EQ(status == 0, becomes != nullptr) << index;
        auto& expected = output ? expectedSink : expectedSource;
        expected = becomes != nullptr ? becomes : expected;
        EXPECT_EQ(server.defaultSink(), expectedSink) << index;
        EXPECT_EQ(server.defaultSource(), expectedSource) << index;
    }
}

// Every call to a frozen server gives up by itself (were one to wait, the test would hang),
// with a connection made before the stall and with one that must connect now.
TEST_F(PulseAudioHardwareTest, CallsGiveUpOnAStalledServerAndReconnectAfterARestart) {
    PulseAudioHardware connected("lumatix-test");
    ASSERT_EQ(connected.outputDevices().size(), 2u);
    const auto builtin = sink("builtin");
    ASSERT_TRUE(server.pause());
    PulseAudioHardware fresh("lumatix-test");
    for (PulseAudioHardware* hardware : {&connected, &fresh}) {
        EXPECT_THAT(hardware->outputDevices(), IsEmpty());
        EXPECT_THAT(hardware->inputOnlyDevices(), IsEmpty());
        EXPECT_NE(hardware->setDefaultOutputDevice(builtin), 0);
    }
    ASSERT_TRUE(server.resume());
    EXPECT_EQ(connected.outputDevices().size(), 2u);
    EXPECT_EQ(fresh.outputDevices().size(), 2u);
    ASSERT_TRUE(server.restart()) << server.log();
    for (PulseAudioHardware* hardware : {&connected, &fresh}) {
        EXPECT_EQ(hardware->inputOnlyDevices().size(), 3u);
        EXPECT_EQ(hardware->setDefaultOutputDevice(builtin), 0);
    }
    EXPECT_EQ(server.defaultSink(), "builtin");
}

// The test main points PULSE_SERVER at a socket that does not exist, and nothing starts one.
TEST(PulseAudioHardwareWithoutServerTest, FailsUntilAServerAppears) {
    PulseAudioHardware hardware("lumatix-test");
    EXPECT_THAT(hardware.outputDevices(), IsEmpty());
    EXPECT_THAT(hardware.inputOnlyDevices(), IsEmpty());
    EXPECT_NE(hardware.setDefaultOutputDevice(0), 0);
    EXPECT_NE(hardware.setDefaultInputDevice(0), 0);

    PulseServer server;
    ASSERT_TRUE(server.addSink("lumatix", "Lumatix U").start()) << server.log();
    EXPECT_THAT(hardware.outputDevices(), ElementsAre(AudioDeviceInfo{0, "Lumatix U"}));
}
