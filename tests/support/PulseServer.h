#pragma once

#include "support/TestFiles.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// A private sound server with null devices (PulseAudio, or PipeWire when LUMATIX_SOUND_SERVER
// says "pipewire"), isolated from the user's, killed with this object or process; PULSE_SERVER
// points here while it runs. Every start is a fresh server.
class PulseServer {
public:
    enum class Kind { PulseAudio, PipeWire };

    struct Device {
        bool sink = true;
        std::string name;
        std::string description; // no quotes or backslashes
        std::string productName; // a source with it or properties remaps "<name>_raw"
        std::string properties;  // unquoted: "device.form_factor=webcam device.bus=usb"
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

    // Devices loaded at every start.
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

    // Waits (bounded) until the server accepts clients with every device listed.
    [[nodiscard]] bool start();
    void stop();  // every process it started; devices loaded at run time go with it
    bool pause(); // freezes the process serving clients (SIGSTOP) to play a stalled server
    bool resume();

    [[nodiscard]] pid_t pid() const { return pid_; } // the process serving clients
    [[nodiscard]] std::string serverAddress() const;
    // What the server wrote, for failure messages.
    [[nodiscard]] std::string log() const { return readFile(dir_ / "server.log"); }

    // "sink source", as pactl reads them back (not while paused).
    [[nodiscard]] std::string defaults() const;
    // The load/unload/set calls return true once the server lists the change.
    bool setDefaults(const std::string& sink, const std::string& source) const;
    bool load(const Device& device) const;
    bool unloadSink(const std::string& name) const;
    [[nodiscard]] CommandResult pactl(const std::vector<std::string>& arguments) const;

private:
    [[nodiscard]] bool listed(bool sink, const std::string& name) const;

    Kind kind_ = Kind::PulseAudio;
    std::filesystem::path dir_;
    std::vector<Device> devices_;
    pid_t group_ = -1; // the process started, leader of a process group of its own
    pid_t pid_ = -1;
    int lifeline_ = -1; // PipeWire's group ends when this closes
    std::optional<std::string> savedPulseServer_;
};
