#include "platform/PulseAudioHardware.h"

#include "support/PulseServer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using platform::AudioDeviceInfo;
using platform::PulseAudioHardware;
using namespace ::testing;

namespace {

// Sources come first so that a sink and an unrelated source share each index: sinks lumatix 0,
// builtin 1; sources lumatix_mic 0, builtin_mic 1, lumatix.monitor 2, builtin.monitor 3, usb_mic 4.
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

    PulseServer server;
    PulseAudioHardware hardware{"lumatix-test"};
};

} // namespace

// Sinks are outputs and sources other than monitors are inputs. Sink and source indexes are
// separate numberings; a monitor or an unknown index is refused and leaves both defaults alone.
TEST_F(PulseAudioHardwareTest, ListsDevicesAndChangesOnlyTheDefaultAskedFor) {
    // Without a product name, a device goes by its description.
    const auto named = [](std::uint32_t id, const char* name) {
        return AudioDeviceInfo{id, name, name};
    };
    EXPECT_THAT(hardware.outputDevices(),
                ElementsAre(named(0, "Lumatix U"), named(1, "内置扬声器 🔊")));
    EXPECT_THAT(hardware.inputOnlyDevices(),
                ElementsAre(named(0, "Lumatix U"), named(1, "Built-in Microphone"),
                            named(4, "USB Microphone")));

    ASSERT_TRUE(server.setDefaults("builtin", "usb_mic"));
    // Output or input setter, the index, whether it is accepted, and the defaults after it.
    const std::tuple<bool, std::uint32_t, bool, std::string> steps[] = {
        {true, 0, true, "lumatix usb_mic"},          {false, 1, true, "lumatix builtin_mic"},
        {true, 1, true, "builtin builtin_mic"},      {false, 2, false, "builtin builtin_mic"},
        {false, 4242, false, "builtin builtin_mic"}, {false, 0, true, "builtin lumatix_mic"}};
    for (const auto& [output, index, accepted, defaults] : steps) {
        const int status =
            output ? hardware.setDefaultOutputDevice(index) : hardware.setDefaultInputDevice(index);
        EXPECT_EQ(status == 0, accepted) << index;
        EXPECT_EQ(server.defaults(), defaults) << index;
    }
    EXPECT_EQ(hardware.defaultInputDevice(), 0u);
    // A monitor is never taken for the microphone in use.
    ASSERT_TRUE(server.setDefaults("builtin", "lumatix.monitor"));
    EXPECT_EQ(hardware.defaultInputDevice(), std::nullopt);
    ASSERT_TRUE(server.setDefaults("builtin", "builtin_mic"));

    // Devices plugged in later show up on the next call, by their product's name.
    ASSERT_TRUE(server.load({true, "usb", "USB Headset Analog Stereo", "USB Headset"}) &&
                server.load({false, "usb_in", "USB Headset Mono", "USB Headset"}));
    EXPECT_EQ(hardware.outputDevices().back(),
              (AudioDeviceInfo{2, "USB Headset", "USB Headset Analog Stereo"}));
    // After usb.monitor and the remapped source's master.
    EXPECT_EQ(hardware.inputOnlyDevices().back(),
              (AudioDeviceInfo{7, "USB Headset", "USB Headset Mono"}));
    // All of it over one connection: the server sees a single client of ours.
    const auto clients = server.pactl({"list", "clients"}).output;
    const auto ours = clients.find("\"lumatix-test\"");
    EXPECT_TRUE(ours != std::string::npos && ours == clients.rfind("\"lumatix-test\"")) << clients;
}

// Every call to a frozen or gone server gives up by itself (were one to wait, the test would
// hang), with a connection made before and with one that must connect now; both come back.
TEST_F(PulseAudioHardwareTest, CallsGiveUpOnAStalledOrStoppedServerAndReconnect) {
    ASSERT_EQ(hardware.outputDevices().size(), 2u);
    PulseAudioHardware fresh("lumatix-test");
    const auto expectServerUp = [&](bool up) {
        for (PulseAudioHardware* h : {&hardware, &fresh}) {
            EXPECT_EQ(h->outputDevices().size(), up ? 2u : 0u);
            EXPECT_EQ(h->inputOnlyDevices().size(), up ? 3u : 0u);
            EXPECT_EQ(h->setDefaultOutputDevice(1) == 0, up);
            EXPECT_EQ(h->setDefaultInputDevice(4) == 0, up);
        }
    };
    ASSERT_TRUE(server.pause());
    expectServerUp(false);
    // Connections are refused until the thawed server runs and empties its backlog of ours.
    ASSERT_TRUE(server.resume() && server.pactl({"info"}).ok());
    expectServerUp(true);
    server.stop();
    expectServerUp(false);
    ASSERT_TRUE(server.start()) << server.log();
    expectServerUp(true);
    EXPECT_EQ(server.defaults(), "builtin usb_mic");
}
