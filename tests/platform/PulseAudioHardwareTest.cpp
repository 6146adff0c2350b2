#include "platform/PulseAudioHardware.h"

#include "support/Answers.h"
#include "support/PulseServer.h"

#include <gmock/gmock.h>

using platform::AudioCompletion;
using platform::AudioConnectionState;
using platform::AudioDeviceInfo;
using platform::AudioResult;
using platform::PulseAudioHardware;
using namespace ::testing;
using namespace std::chrono_literals;

namespace {

// Short limits, so that a stalled server is given up on quickly.
constexpr PulseAudioHardware::Options quick{300ms, 300ms, 100ms};

// Identifiers are the server's own (PulseAudio and PipeWire differ): find devices by description.
std::uint32_t idOf(const std::vector<AudioDeviceInfo>& devices, const std::string& description) {
    const auto found = std::ranges::find(devices, description, &AudioDeviceInfo::description);
    EXPECT_TRUE(found != devices.end()) << "no device " << description;
    return found == devices.end() ? 0 : found->id;
}

// Every field but the identifier, in the list's order.
std::vector<std::string> shown(const std::vector<AudioDeviceInfo>& devices) {
    std::vector<std::string> lines;
    for (const auto& d : devices) {
        lines.push_back(d.name + " / " + d.description + " / " + d.serverName + " / " +
                        d.formFactor + " / " + d.bus + (d.card ? " / card" : ""));
    }
    return lines;
}

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
        QObject::connect(hardware.get(), &PulseAudioHardware::devicesChanged,
                         [this] { ++changes; });
        QObject::connect(hardware.get(), &PulseAudioHardware::connectionStateChanged,
                         [this](auto state) { states.push_back(state); });
        ASSERT_TRUE(synchronized(*hardware, true));
    }

    static bool synchronized(PulseAudioHardware& h, bool expected) {
        return QTest::qWaitFor([&] { return h.isSynchronized() == expected; }, 10000);
    }

    // Its answer must come later, never within the call.
    static std::optional<AudioResult> setDefault(PulseAudioHardware& h, bool output,
                                                 std::uint32_t id) {
        return answerOf<AudioResult>([&](AudioCompletion done) {
            output ? h.setDefaultOutputDevice(id, std::move(done))
                   : h.setDefaultInputDevice(id, std::move(done));
        });
    }

    // The server's index of a source, monitors included, from pactl's short list.
    [[nodiscard]] std::uint32_t sourceIndex(const std::string& name) const {
        const auto list = '\n' + server.pactl({"list", "short", "sources"}).output;
        const auto line = list.rfind('\n', list.find('\t' + name + '\t')) + 1;
        return static_cast<std::uint32_t>(std::stoul(list.substr(line)));
    }

    PulseServer server;
    std::unique_ptr<PulseAudioHardware> hardware;
    int changes = 0;
    std::vector<AudioConnectionState> states;
};

} // namespace

// Sinks and non-monitor sources in the server's order; a monitor or an unknown identifier is
// gone and changes no default. Changes made by others arrive by themselves.
TEST_F(PulseAudioHardwareTest, ListsDevicesFollowsTheServerAndChangesOnlyTheDefaultAskedFor) {
    const auto outputs = hardware->outputDevices();
    const auto inputs = hardware->inputOnlyDevices();
    // Without a product name or a card, a device goes by its description.
    EXPECT_THAT(shown(outputs), ElementsAre("Lumatix U / Lumatix U / lumatix /  / ",
                                            "内置扬声器 🔊 / 内置扬声器 🔊 / builtin /  / "));
    EXPECT_THAT(shown(inputs),
                ElementsAre("Lumatix U / Lumatix U / lumatix_mic /  / ",
                            "Built-in Microphone / Built-in Microphone / builtin_mic /  / ",
                            "USB Microphone / USB Microphone / usb_mic /  / "));
    EXPECT_THAT(hardware->cards(), IsEmpty());

    ASSERT_TRUE(server.setDefaults("builtin", "usb_mic"));
    const auto usbMic = idOf(inputs, "USB Microphone");
    EXPECT_TRUE(QTest::qWaitFor([&] { return hardware->defaultInputDevice() == usbMic; }));
    const std::uint32_t unknown = 1000 + outputs.front().id + outputs.back().id; // none of them
    // Output or input setter, the device, the answer, and the defaults after it.
    const std::tuple<bool, std::uint32_t, AudioResult, std::string> steps[] = {
        {true, idOf(outputs, "Lumatix U"), AudioResult::done, "lumatix usb_mic"},
        {false, idOf(inputs, "Built-in Microphone"), AudioResult::done, "lumatix builtin_mic"},
        {true, idOf(outputs, "内置扬声器 🔊"), AudioResult::done, "builtin builtin_mic"},
        {false, sourceIndex("lumatix.monitor"), AudioResult::gone, "builtin builtin_mic"},
        {false, unknown, AudioResult::gone, "builtin builtin_mic"},
        {false, idOf(inputs, "Lumatix U"), AudioResult::done, "builtin lumatix_mic"}};
    for (const auto& [output, id, answer, defaults] : steps) {
        EXPECT_EQ(setDefault(*hardware, output, id), answer) << defaults;
        EXPECT_EQ(server.defaults(), defaults);
    }
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return hardware->defaultInputDevice() == idOf(inputs, "Lumatix U"); }));
    // A monitor is never taken for the microphone in use.
    ASSERT_TRUE(server.setDefaults("builtin", "lumatix.monitor"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !hardware->defaultInputDevice(); }));

    // The server judges card profiles: a card that does not exist is refused.
    EXPECT_EQ(answerOf<AudioResult>([&](AudioCompletion done) {
                  hardware->setCardProfile(unknown, "headset_head_unit", std::move(done));
              }),
              AudioResult::refused);

    // All of it over one connection: the server sees a single client of ours.
    const auto clients = server.pactl({"list", "clients"}).output;
    const auto ours = clients.find("\"lumatix-test\"");
    EXPECT_TRUE(ours != std::string::npos && ours == clients.rfind("\"lumatix-test\"")) << clients;
}

// Frozen: the last devices stay and requests time out; gone: empty lists and refusals. Both
// recover by themselves, for a connection made before and one made during the outage.
TEST_F(PulseAudioHardwareTest, OutlivesAStalledOrStoppedServer) {
    const auto expectWorking = [&](PulseAudioHardware& h) {
        ASSERT_TRUE(synchronized(h, true));
        EXPECT_EQ(h.outputDevices().size(), 2u);
        EXPECT_EQ(h.inputOnlyDevices().size(), 3u);
        EXPECT_EQ(setDefault(h, true, idOf(h.outputDevices(), "内置扬声器 🔊")), AudioResult::done);
        EXPECT_EQ(setDefault(h, false, idOf(h.inputOnlyDevices(), "USB Microphone")),
                  AudioResult::done);
    };
    const auto builtin = idOf(hardware->outputDevices(), "内置扬声器 🔊");

    ASSERT_TRUE(server.pause());
    PulseAudioHardware fresh("lumatix-test", quick);
    EXPECT_EQ(setDefault(*hardware, true, builtin), AudioResult::timedOut);
    EXPECT_EQ(hardware->outputDevices().size(), 2u);
    EXPECT_FALSE(fresh.isSynchronized());
    EXPECT_EQ(setDefault(fresh, true, builtin), AudioResult::unreachable);
    ASSERT_TRUE(server.resume());
    expectWorking(*hardware);
    expectWorking(fresh);

    const int changesBefore = changes;
    server.stop();
    ASSERT_TRUE(synchronized(*hardware, false));
    EXPECT_GT(changes, changesBefore);
    EXPECT_THAT(hardware->outputDevices(), IsEmpty());
    EXPECT_EQ(setDefault(*hardware, false, 0), AudioResult::unreachable);
    ASSERT_TRUE(server.start()) << server.log();
    expectWorking(*hardware);
    expectWorking(fresh);
    EXPECT_EQ(server.defaults(), "builtin usb_mic");
    // Its listeners followed it going and coming back.
    EXPECT_THAT(states, AllOf(Contains(AudioConnectionState::disconnected),
                              Contains(AudioConnectionState::connecting)));
    EXPECT_EQ(states.back(), AudioConnectionState::ready);
}
