#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// A private PulseAudio server with null sinks and sources, for tests and benchmarks. It lives
// in its own temporary folder (socket, runtime folder, home), never touches hardware, D-Bus
// or the user's server, and is killed with its folder when this object goes, however the test
// ended. While it runs, PULSE_SERVER points this process at it; the old value comes back on
// destruction.
class PulseServer {
public:
    struct Device {
        enum class Kind { Sink, Source };
        Kind kind = Kind::Sink;
        std::string name;        // ASCII letters, digits, '.', '-', '_'
        std::string description; // any UTF-8 without line breaks
    };

    struct CommandResult {
        int exitCode = -1; // -1 when it could not run or was killed
        std::string output;
        std::chrono::microseconds cpuTime{0}; // user + system time of the child
        std::chrono::microseconds wallTime{0};
        [[nodiscard]] bool ok() const { return exitCode == 0; }
    };

    PulseServer();
    ~PulseServer();
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // Devices loaded at every start, in this order (which decides their indexes). A sink
    // brings its own monitor source, so sinks and sources share the source numbering.
    PulseServer& addSink(std::string name, std::string description);
    PulseServer& addSource(std::string name, std::string description);

    // Starts the server and waits (bounded) until it accepts clients with every device loaded.
    [[nodiscard]] bool start();
    // Ends the server; devices loaded at run time are gone with it.
    void stop();
    [[nodiscard]] bool restart();
    // Freezes and thaws the server (SIGSTOP / SIGCONT) to play a stalled sound server.
    bool pause();
    bool resume();

    [[nodiscard]] bool running() const { return pid_ > 0; }
    [[nodiscard]] bool paused() const { return paused_; }
    [[nodiscard]] pid_t pid() const { return pid_; }
    [[nodiscard]] std::string serverAddress() const;
    [[nodiscard]] const std::filesystem::path& directory() const { return dir_; }
    // What the server wrote, for failure messages.
    [[nodiscard]] std::string log() const;

    // Read back from the server itself (through pactl), so tests see what a user would.
    [[nodiscard]] std::optional<std::string> defaultSink() const;
    [[nodiscard]] std::optional<std::string> defaultSource() const;
    bool setDefaultSink(const std::string& name) const;
    bool setDefaultSource(const std::string& name) const;
    [[nodiscard]] std::optional<std::uint32_t> sinkIndex(const std::string& name) const;
    [[nodiscard]] std::optional<std::uint32_t> sourceIndex(const std::string& name) const;

    // Devices that come and go while the server runs.
    bool loadDevice(const Device& device) const;
    bool unloadDevice(const std::string& name) const;

    // Runs pactl against this server; a stalled server cannot hold it past timeout.
    [[nodiscard]] CommandResult
    pactl(const std::vector<std::string>& arguments,
          std::chrono::milliseconds timeout = std::chrono::milliseconds(5000)) const;

    // The module arguments that create device, quoted for the server's parsers.
    [[nodiscard]] static std::string moduleArguments(const Device& device);

private:
    [[nodiscard]] std::filesystem::path socketPath() const { return dir_ / "native"; }
    [[nodiscard]] std::vector<std::string> serverEnvironment() const;
    [[nodiscard]] bool waitUntilAccepting(std::chrono::milliseconds limit);
    [[nodiscard]] std::size_t loadedDeviceCount() const;
    [[nodiscard]] std::optional<std::uint32_t> indexOf(const char* kind,
                                                       const std::string& name) const;

    std::filesystem::path dir_;
    std::vector<Device> devices_;
    pid_t pid_ = -1;
    bool paused_ = false;
    std::optional<std::string> savedPulseServer_;
    bool pulseServerSaved_ = false;
};
