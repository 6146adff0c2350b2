#include "platform/PulseAudioHardware.h"

#include "support/PulseServer.h"

#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

using platform::AudioCompletion;
using platform::AudioDeviceInfo;
using platform::AudioResult;
using platform::PulseAudioHardware;
using namespace ::testing;
using namespace std::chrono_literals;

namespace {

constexpr int waitLimitMs = 10000;

// Short limits, so that a stalled server is given up on quickly.
constexpr PulseAudioHardware::Options quick{300ms, 300ms, 100ms};

// Runs one request to its end. Its answer must come later, never within the call.
AudioResult answerTo(const std::function<void(AudioCompletion)>& request) {
    struct State {
        std::optional<AudioResult> result;
        bool returned = false;
        bool answeredWithinCall = false;
    };
    auto state = std::make_shared<State>();
    request([state](AudioResult result) {
        state->result = result;
        state->answeredWithinCall = !state->returned;
    });
    state->returned = true;
    EXPECT_TRUE(QTest::qWaitFor([&] { return state->result.has_value(); }, waitLimitMs));
    EXPECT_FALSE(state->answeredWithinCall);
    return state->result.value_or(AudioResult::unreachable);
}

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
        hardware = std::make_unique<PulseAudioHardware>("lumatix-test", quick);
        hardware->setChangeHandler([this] { ++changes; });
        ASSERT_TRUE(synchronized(*hardware, true));
    }

    static bool synchronized(PulseAudioHardware& h, bool expected) {
        return QTest::qWaitFor([&] { return h.isSynchronized() == expected; }, waitLimitMs);
    }

    AudioResult setDefault(bool output, std::uint32_t index) {
        return answerTo([&](AudioCompletion done) {
            output ? hardware->setDefaultOutputDevice(index, std::move(done))
                   : hardware->setDefaultInputDevice(index, std::move(done));
        });
    }

    PulseServer server;
    std::unique_ptr<PulseAudioHardware> hardware;
    int changes = 0;
};

} // namespace

// Sinks are outputs and sources other than monitors are inputs. Sink and source indexes are
// separate numberings; a monitor or an unknown index is refused and leaves both defaults alone.
// Changes made by others reach the copy by themselves.
TEST_F(PulseAudioHardwareTest, ListsDevicesFollowsTheServerAndChangesOnlyTheDefaultAskedFor) {
    // Without a product name or a card, a device goes by its description.
    const auto named = [](std::uint32_t id, const char* name) {
        return AudioDeviceInfo{id, name, name, std::nullopt};
    };
    EXPECT_THAT(hardware->outputDevices(),
                ElementsAre(named(0, "Lumatix U"), named(1, "内置扬声器 🔊")));
    EXPECT_THAT(hardware->inputOnlyDevices(),
                ElementsAre(named(0, "Lumatix U"), named(1, "Built-in Microphone"),
                            named(4, "USB Microphone")));
    EXPECT_THAT(hardware->cards(), IsEmpty());

    ASSERT_TRUE(server.setDefaults("builtin", "usb_mic"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return hardware->defaultInputDevice() == 4u; }));
    // Output or input setter, the index, the answer, and the defaults after it.
    const std::tuple<bool, std::uint32_t, AudioResult, std::string> steps[] = {
        {true, 0, AudioResult::done, "lumatix usb_mic"},
        {false, 1, AudioResult::done, "lumatix builtin_mic"},
        {true, 1, AudioResult::done, "builtin builtin_mic"},
        {false, 2, AudioResult::refused, "builtin builtin_mic"},
        {false, 4242, AudioResult::refused, "builtin builtin_mic"},
        {false, 0, AudioResult::done, "builtin lumatix_mic"}};
    for (const auto& [output, index, answer, defaults] : steps) {
        EXPECT_EQ(setDefault(output, index), answer) << index;
        EXPECT_EQ(server.defaults(), defaults) << index;
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return hardware->defaultInputDevice() == 0u; }));
    // A monitor is never taken for the microphone in use.
    ASSERT_TRUE(server.setDefaults("builtin", "lumatix.monitor"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !hardware->defaultInputDevice(); }));

    // Devices plugged in later show up by themselves, by their product's name, and say so.
    const int changesBefore = changes;
    ASSERT_TRUE(server.load({true, "usb", "USB Headset Analog Stereo", "USB Headset"}) &&
                server.load({false, "usb_in", "USB Headset Mono", "USB Headset"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return hardware->inputOnlyDevices().size() == 5; }));
    EXPECT_GT(changes, changesBefore);
    EXPECT_EQ(hardware->outputDevices().back(),
              (AudioDeviceInfo{2, "USB Headset", "USB Headset Analog Stereo", std::nullopt}));
    // After usb.monitor and the remapped source's master.
    EXPECT_EQ(hardware->inputOnlyDevices().back(),
              (AudioDeviceInfo{7, "USB Headset", "USB Headset Mono", std::nullopt}));

    // The server judges card profiles: a card that does not exist is refused.
    EXPECT_EQ(answerTo([&](AudioCompletion done) {
                  hardware->setCardProfile(42, "headset_head_unit", std::move(done));
              }),
              AudioResult::refused);

    // All of it over one connection: the server sees a single client of ours.
    const auto clients = server.pactl({"list", "clients"}).output;
    const auto ours = clients.find("\"lumatix-test\"");
    EXPECT_TRUE(ours != std::string::npos && ours == clients.rfind("\"lumatix-test\"")) << clients;
}

// A frozen server leaves the last known devices readable and its requests time out; a gone
// one empties the lists and refuses at once; both come back by themselves, with a connection
// made before and with one that must connect now.
TEST_F(PulseAudioHardwareTest, OutlivesAStalledOrStoppedServer) {
    const auto expectWorking = [&](PulseAudioHardware& h) {
        ASSERT_TRUE(synchronized(h, true));
        EXPECT_EQ(h.outputDevices().size(), 2u);
        EXPECT_EQ(h.inputOnlyDevices().size(), 3u);
        EXPECT_EQ(answerTo([&](AudioCompletion done) { h.setDefaultOutputDevice(1, done); }),
                  AudioResult::done);
        EXPECT_EQ(answerTo([&](AudioCompletion done) { h.setDefaultInputDevice(4, done); }),
                  AudioResult::done);
    };

    ASSERT_TRUE(server.pause());
    PulseAudioHardware fresh("lumatix-test", quick);
    EXPECT_EQ(setDefault(true, 1), AudioResult::timedOut);
    EXPECT_EQ(hardware->outputDevices().size(), 2u);
    EXPECT_FALSE(fresh.isSynchronized());
    EXPECT_EQ(answerTo([&](AudioCompletion done) { fresh.setDefaultOutputDevice(1, done); }),
              AudioResult::unreachable);
    ASSERT_TRUE(server.resume());
    expectWorking(*hardware);
    expectWorking(fresh);

    const int changesBefore = changes;
    server.stop();
    ASSERT_TRUE(synchronized(*hardware, false));
    EXPECT_GT(changes, changesBefore);
    EXPECT_THAT(hardware->outputDevices(), IsEmpty());
    EXPECT_EQ(setDefault(false, 4), AudioResult::unreachable);
    ASSERT_TRUE(server.start()) << server.log();
    expectWorking(*hardware);
    expectWorking(fresh);
    EXPECT_EQ(server.defaults(), "builtin usb_mic");
}

// The name users know a device by.
TEST(PulseDeviceNameTest, ProductThenCardThenOwnDescription) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"Lumatix U", "Lumatix U USB", "Lumatix U Analog Stereo", "Lumatix U"},
        {"", "Lumatix U", "Lumatix U Headset", "Lumatix U"},
        {"", "", "Lumatix U", "Lumatix U"},
        {"", "", "", ""},
    };
    for (const auto& [product, card, own, expected] : cases) {
        EXPECT_EQ(PulseAudioHardware::deviceName(product, card, own), expected) << own;
    }
}
