#include "support/PulseServer.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sstream>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

constexpr auto patience = std::chrono::seconds(10);

// Runs a program from PATH (output and errors to `out`), killed when this process dies.
pid_t spawn(std::vector<std::string> args, int out, int in = -1, bool ownGroup = false) {
    std::vector<char*> argv(args.size() + 1); // ends with a null pointer
    std::ranges::transform(args, argv.begin(), [](std::string& arg) { return arg.data(); });
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(127);
        }
        if (ownGroup) {
            setpgid(0, 0);
        }
        if (in >= 0) {
            dup2(in, STDIN_FILENO);
        }
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    if (child > 0 && ownGroup) {
        setpgid(child, child); // also here, so that the group exists once this returns
    }
    return child;
}

template <typename Condition>
bool waitUntil(Condition done) {
    for (const auto deadline = std::chrono::steady_clock::now() + patience; !done();
         std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
    }
    return true;
}

// A process's state ('T' stopped, 'Z' zombie, '\0' gone) and group; read plainly, as it may end.
std::pair<char, pid_t> stateOf(const std::string& pid) {
    std::string stat(512, '\0');
    const int file = open(("/proc/" + pid + "/stat").c_str(), O_RDONLY);
    stat.resize(std::max<ssize_t>(file < 0 ? 0 : read(file, stat.data(), stat.size()), 0));
    close(file);
    std::pair<char, pid_t> result{'\0', -1};
    pid_t parent = 0;
    if (const auto name = stat.rfind(')'); name != std::string::npos) {
        std::istringstream(stat.substr(name + 1)) >> result.first >> parent >> result.second;
    }
    return result;
}

// Whether a process of the group still runs (zombies reaped by init do not count).
bool groupRunning(pid_t group) {
    std::error_code error;
    return std::ranges::any_of(std::filesystem::directory_iterator("/proc", error),
                               [group](const auto& entry) {
                                   const auto name = entry.path().filename().string();
                                   const auto [state, itsGroup] = stateOf(name);
                                   return std::ranges::all_of(name, ::isdigit) &&
                                          itsGroup == group && state != 'Z' && state != '\0';
                               });
}

// Starts the three once PipeWire answers; when our lifeline closes, `read` ends and the group dies.
constexpr const char* pipeWireSession =
    "pipewire &\n"
    "tries=0\n"
    "until pw-cli info 0 > /dev/null 2>&1 || [ $((tries += 1)) -gt 500 ]; do sleep 0.01; done\n"
    "wireplumber & pipewire-pulse & echo $! > \"$XDG_RUNTIME_DIR/pulse-server.pid\"\n"
    "read -r line\n"
    "kill -KILL 0\n";

} // namespace

PulseServer::PulseServer() {
    const char* kind = std::getenv("LUMATIX_SOUND_SERVER");
    const std::string wanted = kind == nullptr ? "" : kind;
    if (wanted == "pipewire") {
        kind_ = Kind::PipeWire;
    } else if (!wanted.empty() && wanted != "pulseaudio") {
        throw std::invalid_argument("LUMATIX_SOUND_SERVER is neither pulseaudio nor pipewire: " +
                                    wanted);
    }
    char pattern[] = "/tmp/lumatix-pulse-XXXXXX"; // socket paths are short
    if (mkdtemp(pattern) == nullptr) {
        throw std::system_error(errno, std::generic_category(), pattern);
    }
    dir_ = pattern;
    if (kind_ == Kind::PulseAudio) {
        // 256 descriptors run out near 60 null sinks.
        writeFile(dir_ / ".config/pulse/daemon.conf", "rlimit-nofile = 4096\n");
    } else {
        writeFile(dir_ / ".config/wireplumber/main.lua.d/51-lumatix-no-hardware.lua",
                  "alsa_monitor.enabled = false\nv4l2_monitor.enabled = false\n"
                  "libcamera_monitor.enabled = false\n");
        writeFile(dir_ / ".config/wireplumber/bluetooth.lua.d/51-lumatix-no-hardware.lua",
                  "bluez_monitor.enabled = false\n");
    }
    if (const char* old = std::getenv("PULSE_SERVER")) {
        savedPulseServer_ = old;
    }
}

PulseServer::~PulseServer() {
    stop();
    savedPulseServer_ ? setenv("PULSE_SERVER", savedPulseServer_->c_str(), 1)
                      : unsetenv("PULSE_SERVER");
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::string PulseServer::serverAddress() const {
    return "unix:" + (kind_ == Kind::PulseAudio ? dir_ / "native" : dir_ / "pulse/native").string();
}

bool PulseServer::start() {
    const int log = open((dir_ / "server.log").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (kind_ == Kind::PulseAudio) {
        group_ = pid_ = spawn(
            {"env", "-i", "HOME=" + dir_.string(), "XDG_RUNTIME_DIR=" + dir_.string(), "pulseaudio",
             "-n", "--daemonize=no", "--system=false", "--use-pid-file=false",
             "--exit-idle-time=-1", "--disallow-exit", "--high-priority=no", "--realtime=no",
             "--no-cpu-limit", "--log-target=stderr", "-L",
             "module-native-protocol-unix auth-anonymous=1 socket=" + (dir_ / "native").string()},
            log, -1, true);
    } else {
        // WirePlumber would bring back a default saved by the previous run.
        std::error_code ignored;
        std::filesystem::remove_all(dir_ / ".local/state/wireplumber", ignored);
        std::filesystem::remove(dir_ / "pulse-server.pid", ignored);
        int lifeline[2] = {-1, -1};
        const char* path = std::getenv("PATH");
        group_ =
            pipe2(lifeline, O_CLOEXEC) != 0
                ? -1
                : spawn({"env", "-i", "HOME=" + dir_.string(), "XDG_RUNTIME_DIR=" + dir_.string(),
                         std::string("PATH=") + (path != nullptr ? path : "/usr/bin:/bin"),
                         "dbus-run-session", "--", "sh", "-c", pipeWireSession},
                        log, lifeline[0], true);
        close(lifeline[0]);
        lifeline_ = lifeline[1];
    }
    close(log);
    // PipeWire answers "@DEFAULT_SINK@" until WirePlumber has chosen one.
    const auto ready = [this] {
        if (kind_ == Kind::PipeWire && pid_ <= 0) {
            pid_ = std::atoi(readFile(dir_ / "pulse-server.pid").c_str());
        }
        const auto info = pactl({"info"});
        return info.ok() && info.output.find("@DEFAULT_SINK@") == std::string::npos && pid_ > 0;
    };
    bool gaveUp = false;
    const bool up = group_ > 0 && waitUntil([&] {
                        gaveUp = waitpid(group_, nullptr, WNOHANG) == group_;
                        return gaveUp || ready();
                    }) &&
                    !gaveUp;
    // PipeWire keeps a stand-in sink until another one is there.
    const bool loaded =
        up && std::ranges::all_of(devices_, [this](const Device& d) { return load(d); }) &&
        (kind_ == Kind::PulseAudio || std::ranges::none_of(devices_, &Device::sink) ||
         waitUntil([this] { return !listed(true, "auto_null"); }));
    if (!loaded) {
        stop();
    }
    setenv("PULSE_SERVER", serverAddress().c_str(), 1);
    return loaded;
}

void PulseServer::stop() {
    if (group_ > 0) {
        kill(-group_, SIGKILL); // also ends a paused server
        waitpid(group_, nullptr, 0);
        waitUntil([this] { return !groupRunning(group_); });
        group_ = -1;
    }
    pid_ = -1;
    close(std::exchange(lifeline_, -1));
}

bool PulseServer::pause() {
    return pid_ > 0 && kill(pid_, SIGSTOP) == 0 &&
           waitUntil([this] { return stateOf(std::to_string(pid_)).first == 'T'; });
}

bool PulseServer::resume() {
    return pid_ > 0 && kill(pid_, SIGCONT) == 0;
}

PulseServer::CommandResult PulseServer::pactl(const std::vector<std::string>& arguments) const {
    std::vector<std::string> args = {"pactl", "--server=" + serverAddress()};
    args.insert(args.end(), arguments.begin(), arguments.end());
    const auto output = dir_ / "pactl.out";
    const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const pid_t child = spawn(args, out);
    close(out);
    int status = 0;
    const bool exited = child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status);
    return {exited ? WEXITSTATUS(status) : -1, readFile(output)};
}

std::string PulseServer::defaults() const {
    const auto sink = pactl({"get-default-sink"}).output;
    const auto source = pactl({"get-default-source"}).output;
    return sink.substr(0, sink.find('\n')) + " " + source.substr(0, source.find('\n'));
}

bool PulseServer::setDefaults(const std::string& sink, const std::string& source) const {
    return pactl({"set-default-sink", sink}).ok() && pactl({"set-default-source", source}).ok() &&
           waitUntil([&] { return defaults() == sink + " " + source; });
}

bool PulseServer::listed(bool sink, const std::string& name) const {
    return pactl({"list", "short", sink ? "sinks" : "sources"}).output.find('\t' + name + '\t') !=
           std::string::npos;
}

bool PulseServer::load(const Device& device) const {
    // PipeWire lists a device some time after its module has loaded.
    const auto loadUntilListed = [this](const std::string& module, const std::string& arguments,
                                        bool sink, const std::string& name) {
        return pactl({"load-module", module, arguments}).ok() &&
               waitUntil([&] { return listed(sink, name); });
    };
    const std::string properties =
        "device.description=\"" + device.description + "\"" +
        (device.productName.empty() ? "" : " device.product.name=\"" + device.productName + "\"") +
        (device.properties.empty() ? "" : " " + device.properties);
    if (device.sink) {
        return loadUntilListed("module-null-sink",
                               "sink_name=" + device.name + " sink_properties='" + properties + "'",
                               true, device.name);
    }
    // PipeWire has no null source; a null sink declared a source is one.
    const auto nullSource = [&](const std::string& name, const std::string& description) {
        return kind_ == Kind::PulseAudio
                   ? loadUntilListed("module-null-source",
                                     "source_name=" + name + " description='" + description + "'",
                                     false, name)
                   : loadUntilListed("module-null-sink",
                                     "sink_name=" + name +
                                         " sink_properties='media.class=Audio/Source "
                                         "device.description=\"" +
                                         description + "\"'",
                                     false, name);
    };
    if (device.productName.empty() && device.properties.empty()) {
        return nullSource(device.name, device.description);
    }
    const std::string raw = device.name + "_raw";
    return nullSource(raw, "Null Input") &&
           loadUntilListed("module-remap-source",
                           "master=" + raw + " source_name=" + device.name +
                               " source_properties='" + properties + "'",
                           false, device.name);
}

bool PulseServer::unloadSink(const std::string& name) const {
    std::istringstream modules(pactl({"list", "short", "modules"}).output);
    for (std::string line; std::getline(modules, line);) {
        if (line.find("\tmodule-null-sink\tsink_name=" + name + ' ') != std::string::npos) {
            return pactl({"unload-module", line.substr(0, line.find('\t'))}).ok() &&
                   waitUntil([&] { return !listed(true, name); });
        }
    }
    return false;
}
