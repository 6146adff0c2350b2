#include "platform/PulseTranslation.h"

#include <gmock/gmock.h>
#include <memory>
#include <pulse/introspect.h>

using platform::AudioCardInfo;
using platform::AudioDeviceInfo;
using platform::PulseTranslation;
using ::testing::ElementsAreArray;

namespace {

// A property list as the server sends it along.
std::shared_ptr<pa_proplist>
properties(std::initializer_list<std::pair<const char*, const char*>> entries) {
    const std::shared_ptr<pa_proplist> list(pa_proplist_new(), pa_proplist_free);
    for (const auto& [key, value] : entries) {
        pa_proplist_sets(list.get(), key, value);
    }
    return list;
}

} // namespace

// Devices in the server's order without monitors, named by product, else card, else their own;
// defaults and requests go by server names, never a monitor.
TEST(PulseTranslationTest, DevicesLeaveMonitorsOutAndGoByProductThenCardThenOwnName) {
    const auto usb = properties({{PA_PROP_DEVICE_DESCRIPTION, "Lumatix U USB"}});
    const std::vector cards{PulseTranslation::card({.index = 7, .proplist = usb.get()})};
    const auto product = properties({{PA_PROP_DEVICE_PRODUCT_NAME, "Lumatix U"},
                                     {PA_PROP_DEVICE_FORM_FACTOR, "speaker"},
                                     {PA_PROP_DEVICE_BUS, "usb"}});
    const auto plain = properties({});
    constexpr auto none = PA_INVALID_INDEX;
    // A sink, else a source (the monitor of a sink, or not), and the device it makes.
    const struct {
        bool sink;
        std::uint32_t index, card, monitorOf;
        const char *name, *description;
        pa_proplist* properties;
        std::optional<AudioDeviceInfo> device;
    } rows[] = {
        {true, 1, 7, none, "usb.out", "Lumatix U Stereo", product.get(),
         AudioDeviceInfo{1, "Lumatix U", "Lumatix U Stereo", 7, "usb.out", "speaker", "usb"}},
        {true, 2, 7, none, "bt.out", "Lumatix U A2DP", plain.get(),
         AudioDeviceInfo{2, "Lumatix U USB", "Lumatix U A2DP", 7, "bt.out"}},
        {true, 3, none, none, "null", "Null Output", nullptr,
         AudioDeviceInfo{3, "Null Output", "Null Output", std::nullopt, "null"}},
        {false, 1, 7, 1, "usb.out.monitor", "Monitor of Lumatix U", product.get(), std::nullopt},
        {false, 2, 9, none, "usb.in", "Lumatix U Mono", plain.get(), // a card not listed
         AudioDeviceInfo{2, "Lumatix U Mono", "Lumatix U Mono", 9, "usb.in"}},
        {false, 3, none, none, nullptr, nullptr, nullptr, AudioDeviceInfo{3}},
    };
    std::vector<PulseTranslation::Endpoint> sinks, sources;
    std::vector<AudioDeviceInfo> outputs, inputs;
    for (const auto& r : rows) {
        if (r.sink) {
            sinks.push_back(PulseTranslation::sink({.name = r.name,
                                                    .index = r.index,
                                                    .description = r.description,
                                                    .proplist = r.properties,
                                                    .card = r.card}));
        } else {
            sources.push_back(PulseTranslation::source({.name = r.name,
                                                        .index = r.index,
                                                        .description = r.description,
                                                        .monitor_of_sink = r.monitorOf,
                                                        .proplist = r.properties,
                                                        .card = r.card}));
        }
        if (r.device) {
            (r.sink ? outputs : inputs).push_back(*r.device);
        }
    }
    EXPECT_THAT(PulseTranslation::devices(sinks, cards), ElementsAreArray(outputs));
    EXPECT_THAT(PulseTranslation::devices(sources, cards), ElementsAreArray(inputs));
    EXPECT_EQ(PulseTranslation::defaultDevice(sources, "usb.in"), 2u);
    EXPECT_EQ(PulseTranslation::defaultDevice(sources, "usb.out.monitor"), std::nullopt);
    EXPECT_EQ(PulseTranslation::serverName(sources, 2), "usb.in");
    EXPECT_EQ(PulseTranslation::serverName(sources, 1), std::nullopt);
    EXPECT_EQ(PulseTranslation::serverName(sinks, 1), "usb.out");
}

// A card keeps its profiles in order, with their devices and availability, and the active one.
TEST(PulseTranslationTest, CardsKeepTheirProfilesAndTheActiveOne) {
    const auto named = properties({{PA_PROP_DEVICE_DESCRIPTION, "Lumatix U"}});
    pa_card_profile_info2 a2dp{"a2dp_sink", "A2DP", 1, 0, 40, 1};
    pa_card_profile_info2 headset{"headset_head_unit", "Headset", 1, 1, 30, 0};
    pa_card_profile_info2 off{"off", "Off", 0, 0, 0, 1};
    pa_card_profile_info2* profiles[] = {&a2dp, &headset, &off, nullptr};
    const std::pair<pa_card_info, AudioCardInfo> rows[] = {
        {{.index = 4, .proplist = named.get(), .profiles2 = profiles, .active_profile2 = &headset},
         {4,
          "Lumatix U",
          {{"a2dp_sink", 40, true, 1, 0},
           {"headset_head_unit", 30, false, 1, 1},
           {"off", 0, true, 0, 0}},
          "headset_head_unit"}},
        {{.index = 5}, {5, "", {}, ""}},
    };
    for (const auto& [card, record] : rows) {
        EXPECT_EQ(PulseTranslation::card(card), record);
    }
}
