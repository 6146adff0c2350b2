#pragma once

#include "support/TestFiles.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// A private PulseAudio server with null sinks and sources, for tests and benchmarks. It lives
// in its own temporary folder with an empty environment, so it never touches hardware, D-Bus
// or the user's server, and is killed with its folder when this object goes. While it runs,
// PULSE_SERVER points this process at it; the old value comes back on destruction.
class PulseServer {
public:
    struct Device {
        bool sink = true;
        std::string name;        // letters, digits, '.', '-', '_'
        std::string description; // what clients show; no quotes or backslashes
        // device.product.name, as real ALSA and Bluetooth devices carry it; none when empty. A
        // source with one is a remap of a null source "<name>_raw", loaded just before it.
        std::string productName;
    };
    struct CommandResult {
        int exitCode = -1; // -1 when it could not run or was killed
        std::string output;
        std::chrono::microseconds cpuTime{0}; // the child's user + system time
        [[nodiscard]] bool ok() const { return exitCode == 0; }
    };

    PulseServer();
    ~PulseServer();
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // Devices loaded at every start. Sinks and sources are each numbered from 0 as they load,
    // and a sink brings its own monitor source ("<name>.monitor"), numbered with the sources.
    PulseServer& addSink(std::string name, std::string description, std::string product = {}) {
        devices_.push_back({true, std::move(name), std::move(description), std::move(product)});
        return *this;
    }
    PulseServer& addSource(std::string name, std::string description, std::string product = {}) {
        devices_.push_back({false, std::move(name), std::move(description), std::move(product)});
        return *this;
    }

    // Waits (bounded) until the server accepts clients with every device loaded.
    [[nodiscard]] bool start();
    void stop();  // devices loaded at run time go with it
    bool pause(); // freezes the server (SIGSTOP) to play a stalled sound server
    bool resume();

    [[nodiscard]] pid_t pid() const { return pid_; }
    [[nodiscard]] std::string serverAddress() const { return "unix:" + (dir_ / "native").string(); }
    // What the server wrote, for failure messages.
    [[nodiscard]] std::string log() const { return readFile(dir_ / "server.log"); }

    // Read back from the server itself (through pactl, so the server must not be paused), as
    // a user would see it: the default sink and source as "sink source".
    [[nodiscard]] std::string defaults() const;
    bool setDefaults(const std::string& sink, const std::string& source) const;
    bool load(const Device& device) const; // a device that appears while the server runs
    [[nodiscard]] CommandResult pactl(const std::vector<std::string>& arguments) const;

private:
    std::filesystem::path dir_;
    std::vector<Device> devices_;
    pid_t pid_ = -1;
    std::optional<std::string> savedPulseServer_;
};
