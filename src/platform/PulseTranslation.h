#pragma once

#include "platform/AudioHardware.h"

#include <optional>
#include <string>
#include <vector>

struct pa_card_info;
struct pa_server_info;
struct pa_sink_info;
struct pa_source_info;
struct pa_source_output_info;

namespace platform {

// libpulse's descriptions of sinks, sources and cards, turned into our records.
class PulseTranslation {
public:
    // A sink or source as the server reported it.
    struct Endpoint {
        AudioDeviceID index = 0;
        std::string serverName;
        std::string description;
        std::string productName;
        std::string formFactor;
        std::string bus;
        std::optional<AudioCardID> card;
        bool monitor = false; // the monitor of a sink: it only echoes an output

        friend bool operator==(const Endpoint&, const Endpoint&) = default;
    };

    [[nodiscard]] static Endpoint sink(const pa_sink_info& info);
    [[nodiscard]] static Endpoint source(const pa_source_info& info);
    [[nodiscard]] static AudioCardInfo card(const pa_card_info& info);
    // A program's recording; whether its source is a monitor is left to recordingsOn().
    [[nodiscard]] static RecordingStream recordingStream(const pa_source_output_info& info);
    // The server names of the output and the input the server uses by default.
    [[nodiscard]] static std::string defaultSink(const pa_server_info& info);
    [[nodiscard]] static std::string defaultSource(const pa_server_info& info);

    // The devices among the endpoints, in their order; never a monitor. A device is named
    // by its product, else by its card, else by its own description.
    [[nodiscard]] static std::vector<AudioDeviceInfo>
    devices(const std::vector<Endpoint>& endpoints, const std::vector<AudioCardInfo>& cards);
    // The device the server names as a default, unless it is a monitor.
    [[nodiscard]] static std::optional<AudioDeviceID>
    defaultDevice(const std::vector<Endpoint>& endpoints, const std::string& serverName);
    // The recordings, each knowing whether it records a monitor.
    [[nodiscard]] static std::vector<RecordingStream>
    recordingsOn(std::vector<RecordingStream> streams, const std::vector<Endpoint>& sources);
    // What the server calls a device, to ask for it; none for a monitor or an unknown one.
    [[nodiscard]] static std::optional<std::string>
    serverName(const std::vector<Endpoint>& endpoints, AudioDeviceID id);
};

} // namespace platform
