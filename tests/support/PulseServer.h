#pragma once

#include "support/TestFiles.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// A private sound server with null sinks and sources, for tests and benchmarks: PulseAudio, or
// PipeWire with its pulse server and WirePlumber, as LUMATIX_SOUND_SERVER says ("pulseaudio",
// the default, or "pipewire"); clients reach either through the pulse protocol. It runs in its
// own temporary folder with an empty environment, never touching hardware or the user's bus or
// server, and is killed with its folder when this object goes or this process dies. While it
// runs, PULSE_SERVER points this process at it.
//
// As on real desktops, PipeWire numbers devices with its graph's ids (a sink and its monitor
// share one; numbers are not reused), keeps a stand-in sink "auto_null" while there is no
// other, and a default set by one client reaches the others once WirePlumber has applied it.
// Every start is a fresh server: nothing chosen before a stop comes back.
class PulseServer {
public:
    enum class Kind { PulseAudio, PipeWire };

    struct Device {
        bool sink = true;
        std::string name;        // letters, digits, '.', '-', '_'
        std::string description; // what clients show; no quotes or backslashes
        // device.product.name, as real ALSA and Bluetooth devices carry it; none when empty. A
        // source with one, or with other properties, is a remap of a null source "<name>_raw"
        // ("Null Input"), loaded just before it.
        std::string productName;
        // Other properties, unquoted: "device.form_factor=webcam device.bus=usb".
        std::string properties;
    };
    struct CommandResult {
        int exitCode = -1;  // -1 when it could not run or was killed
        std::string output; // with its errors
        [[nodiscard]] bool ok() const { return exitCode == 0; }
    };

    PulseServer(); // throws std::invalid_argument for an unknown LUMATIX_SOUND_SERVER
    ~PulseServer();
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // Devices loaded at every start. On PulseAudio, sinks and sources are each numbered from 0
    // as they load, and a sink brings its own monitor source ("<name>.monitor"), numbered with
    // the sources.
    PulseServer& addSink(std::string name, std::string description, std::string product = {}) {
        devices_.push_back({true, std::move(name), std::move(description), std::move(product)});
        return *this;
    }
    PulseServer& addSource(std::string name, std::string description, std::string product = {},
                           std::string properties = {}) {
        devices_.push_back({false, std::move(name), std::move(description), std::move(product),
                            std::move(properties)});
        return *this;
    }

    [[nodiscard]] Kind kind() const { return kind_; }

    // Waits (bounded) until the server accepts clients with every device listed.
    [[nodiscard]] bool start();
    void stop();  // every process it started; devices loaded at run time go with it
    bool pause(); // freezes the process serving clients (SIGSTOP) to play a stalled server
    bool resume();

    // The process serving clients: pulseaudio, or pipewire-pulse.
    [[nodiscard]] pid_t pid() const { return pid_; }
    [[nodiscard]] std::string serverAddress() const;
    // What the server wrote, for failure messages.
    [[nodiscard]] std::string log() const { return readFile(dir_ / "server.log"); }

    // Read back from the server itself (through pactl, so the server must not be paused), as
    // a user would see it: the default sink and source as "sink source".
    [[nodiscard]] std::string defaults() const;
    // True once the server reads them back.
    bool setDefaults(const std::string& sink, const std::string& source) const;
    // A device that appears while the server runs; true once it is listed.
    bool load(const Device& device) const;
    // Takes away a sink loaded as above; true once it is no longer listed.
    bool unloadSink(const std::string& name) const;
    [[nodiscard]] CommandResult pactl(const std::vector<std::string>& arguments) const;

private:
    [[nodiscard]] bool listed(bool sink, const std::string& name) const;

    Kind kind_ = Kind::PulseAudio;
    std::filesystem::path dir_;
    std::vector<Device> devices_;
    pid_t group_ = -1; // the process started, leader of a process group of its own
    pid_t pid_ = -1;
    int lifeline_ = -1; // its end closes when this process dies; PipeWire's group then ends
    std::optional<std::string> savedPulseServer_;
};
