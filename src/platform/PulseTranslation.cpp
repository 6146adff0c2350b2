#include "platform/PulseTranslation.h"

#include <algorithm>
#include <pulse/introspect.h>
#include <pulse/proplist.h>
#include <string_view>

namespace platform {

namespace {

std::string text(const char* value) {
    return value != nullptr ? value : "";
}

std::string property(const pa_proplist* properties, const char* key) {
    return properties != nullptr ? text(pa_proplist_gets(properties, key)) : std::string();
}

PulseTranslation::Endpoint endpoint(std::uint32_t index, const char* name, const char* description,
                                    const pa_proplist* properties, std::uint32_t card,
                                    bool monitor) {
    return {index,
            text(name),
            text(description),
            property(properties, PA_PROP_DEVICE_PRODUCT_NAME),
            property(properties, PA_PROP_DEVICE_FORM_FACTOR),
            property(properties, PA_PROP_DEVICE_BUS),
            card != PA_INVALID_INDEX ? std::optional<AudioCardID>(card) : std::nullopt,
            monitor};
}

std::string_view cardDescription(const std::vector<AudioCardInfo>& cards,
                                 std::optional<AudioCardID> id) {
    const auto card =
        std::ranges::find_if(cards, [id](const AudioCardInfo& c) { return id == c.id; });
    return card != cards.end() ? std::string_view(card->description) : std::string_view();
}

// The name users know a device by: its product's name, else its card's, else its own.
std::string deviceName(std::string_view productName, std::string_view cardDescription,
                       std::string_view ownDescription) {
    for (const std::string_view candidate : {productName, cardDescription}) {
        if (!candidate.empty()) {
            return std::string(candidate);
        }
    }
    return std::string(ownDescription);
}

} // namespace

PulseTranslation::Endpoint PulseTranslation::sink(const pa_sink_info& info) {
    return endpoint(info.index, info.name, info.description, info.proplist, info.card, false);
}

PulseTranslation::Endpoint PulseTranslation::source(const pa_source_info& info) {
    return endpoint(info.index, info.name, info.description, info.proplist, info.card,
                    info.monitor_of_sink != PA_INVALID_INDEX);
}

AudioCardInfo PulseTranslation::card(const pa_card_info& info) {
    AudioCardInfo card{info.index, property(info.proplist, PA_PROP_DEVICE_DESCRIPTION), {}, {}};
    for (auto** profile = info.profiles2; profile != nullptr && *profile != nullptr; ++profile) {
        card.profiles.push_back({text((*profile)->name), (*profile)->priority,
                                 (*profile)->available != 0, (*profile)->n_sinks,
                                 (*profile)->n_sources});
    }
    if (info.active_profile2 != nullptr) {
        card.activeProfile = text(info.active_profile2->name);
    }
    return card;
}

RecordingStream PulseTranslation::recordingStream(const pa_source_output_info& info) {
    RecordingStream stream;
    stream.id = info.index;
    stream.source = info.source;
    // A stream opened for peak detection is resampled to peaks: a level meter.
    stream.peakMeter = text(info.resample_method) == "peaks";
    stream.applicationName = property(info.proplist, PA_PROP_APPLICATION_NAME);
    stream.processBinary = property(info.proplist, PA_PROP_APPLICATION_PROCESS_BINARY);
    stream.applicationId = property(info.proplist, PA_PROP_APPLICATION_ID);
    return stream;
}

std::string PulseTranslation::defaultSink(const pa_server_info& info) {
    return text(info.default_sink_name);
}

std::string PulseTranslation::defaultSource(const pa_server_info& info) {
    return text(info.default_source_name);
}

std::vector<AudioDeviceInfo> PulseTranslation::devices(const std::vector<Endpoint>& endpoints,
                                                       const std::vector<AudioCardInfo>& cards) {
    std::vector<AudioDeviceInfo> result;
    for (const auto& e : endpoints) {
        if (!e.monitor) {
            result.push_back(
                {e.index, deviceName(e.productName, cardDescription(cards, e.card), e.description),
                 e.description, e.card, e.serverName, e.formFactor, e.bus});
        }
    }
    return result;
}

std::optional<AudioDeviceID> PulseTranslation::defaultDevice(const std::vector<Endpoint>& endpoints,
                                                             const std::string& serverName) {
    const auto found = std::ranges::find_if(
        endpoints, [&](const Endpoint& e) { return e.serverName == serverName && !e.monitor; });
    return found != endpoints.end() ? std::optional(found->index) : std::nullopt;
}

std::vector<RecordingStream> PulseTranslation::recordingsOn(std::vector<RecordingStream> streams,
                                                            const std::vector<Endpoint>& sources) {
    for (auto& stream : streams) {
        const auto source = std::ranges::find(sources, stream.source, &Endpoint::index);
        // An unknown source (listed after the stream) counts as a monitor until the next read.
        stream.fromMonitor = source == sources.end() || source->monitor;
    }
    return streams;
}

std::optional<std::string> PulseTranslation::serverName(const std::vector<Endpoint>& endpoints,
                                                        AudioDeviceID id) {
    const auto found = std::ranges::find_if(
        endpoints, [id](const Endpoint& e) { return e.index == id && !e.monitor; });
    return found != endpoints.end() ? std::optional(found->serverName) : std::nullopt;
}

} // namespace platform
