#include "support/PulseServer.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The server reads its startup script line by line into a 2048-byte buffer; longer module
// lines are loaded through the client protocol instead.
constexpr std::size_t kScriptLineLimit = 2000;

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> result;
    result.reserve(strings.size() + 1);
    for (auto& s : strings) {
        result.push_back(s.data());
    }
    result.push_back(nullptr);
    return result;
}

std::vector<std::string> currentEnvironment() {
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        result.emplace_back(*entry);
    }
    return result;
}

void setVariable(std::vector<std::string>& env, const std::string& name,
                 const std::optional<std::string>& value) {
    const std::string prefix = name + "=";
    std::erase_if(env, [&](const std::string& entry) { return entry.starts_with(prefix); });
    if (value) {
        env.push_back(prefix + *value);
    }
}

std::optional<std::string> findExecutable(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path != nullptr ? path : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        const std::string candidate = (dir.empty() ? std::string(".") : dir) + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return std::nullopt;
}

// Escapes a value for the server's quoted strings (module arguments and property lists
// share the backslash rule).
std::string quoted(const std::string& value) {
    std::string result;
    result.reserve(value.size() + 8);
    for (const char c : value) {
        if (c == '\\' || c == '"' || c == '\'') {
            result.push_back('\\');
        }
        result.push_back(c);
    }
    return result;
}

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

bool validDevice(const PulseServer::Device& device) {
    const auto nameOk = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '.' || c == '-' || c == '_';
    };
    return !device.name.empty() && std::ranges::all_of(device.name, nameOk) &&
           device.description.find_first_of("\r\n") == std::string::npos;
}

const char* moduleFor(const PulseServer::Device& device) {
    return device.kind == PulseServer::Device::Kind::Sink ? "module-null-sink"
                                                          : "module-null-source";
}

bool reap(pid_t pid, milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    for (;;) {
        const pid_t done = waitpid(pid, nullptr, WNOHANG);
        if (done == pid || (done < 0 && errno == ECHILD)) {
            return true;
        }
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(milliseconds(5));
    }
}

} // namespace

PulseServer::PulseServer() {
    std::string pattern = "/tmp/lumatix-pulse-XXXXXX"; // short: socket paths are limited
    if (mkdtemp(pattern.data()) != nullptr) {
        dir_ = pattern;
        std::filesystem::create_directories(dir_ / "home");
        std::filesystem::create_directories(dir_ / "run");
    }
}

PulseServer::~PulseServer() {
    stop();
    if (pulseServerSaved_) {
        if (savedPulseServer_) {
            setenv("PULSE_SERVER", savedPulseServer_->c_str(), 1);
        } else {
            unsetenv("PULSE_SERVER");
        }
    }
    if (!dir_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
}

PulseServer& PulseServer::addSink(std::string name, std::string description) {
    devices_.push_back({Device::Kind::Sink, std::move(name), std::move(description)});
    return *this;
}

PulseServer& PulseServer::addSource(std::string name, std::string description) {
    devices_.push_back({Device::Kind::Source, std::move(name), std::move(description)});
    return *this;
}

std::string PulseServer::serverAddress() const {
    return "unix:" + socketPath().string();
}

std::string PulseServer::moduleArguments(const Device& device) {
    if (device.kind == Device::Kind::Sink) {
        // The property list is parsed a second time, inside the module argument.
        return "sink_name=" + device.name + " sink_properties='device.description=\"" +
               quoted(device.description) + "\"'";
    }
    return "source_name=" + device.name + " description='" + quoted(device.description) + "'";
}

std::vector<std::string> PulseServer::serverEnvironment() const {
    std::vector<std::string> env = currentEnvironment();
    const std::string home = (dir_ / "home").string();
    setVariable(env, "HOME", home);
    setVariable(env, "XDG_RUNTIME_DIR", (dir_ / "run").string());
    setVariable(env, "XDG_CONFIG_HOME", home + "/.config");
    for (const char* name : {"PULSE_SERVER", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH",
                             "PULSE_CONFIG_PATH", "PULSE_COOKIE", "DISPLAY", "WAYLAND_DISPLAY"}) {
        setVariable(env, name, std::nullopt);
    }
    // Without a display D-Bus could autolaunch a bus; a dead address just fails.
    const std::string noBus = "unix:path=" + (dir_ / "no-bus").string();
    setVariable(env, "DBUS_SESSION_BUS_ADDRESS", noBus);
    setVariable(env, "DBUS_SYSTEM_BUS_ADDRESS", noBus);
    return env;
}

bool PulseServer::start() {
    if (running()) {
        return true;
    }
    if (dir_.empty() || !std::ranges::all_of(devices_, validDevice)) {
        return false;
    }
    const auto executable = findExecutable("pulseaudio");
    if (!executable) {
        return false;
    }

    // The socket comes last, so a server that accepts clients already has every device.
    std::size_t inScript = 0;
    {
        std::ofstream script(dir_ / "startup.pa", std::ios::trunc);
        for (; inScript < devices_.size(); ++inScript) {
            const auto& device = devices_[inScript];
            const std::string line =
                std::string("load-module ") + moduleFor(device) + " " + moduleArguments(device);
            if (line.size() >= kScriptLineLimit) {
                break;
            }
            script << line << "\n";
        }
        script << "load-module module-native-protocol-unix auth-anonymous=1 socket="
               << socketPath().string() << "\n";
        if (!script) {
            return false;
        }
    }
    {
        // The default limit of 256 descriptors runs out near 60 null sinks.
        std::filesystem::create_directories(dir_ / "home/.config/pulse");
        std::ofstream config(dir_ / "home/.config/pulse/daemon.conf", std::ios::trunc);
        config << "rlimit-nofile = 4096\n";
        if (!config) {
            return false;
        }
    }
    std::filesystem::remove(socketPath());

    std::vector<std::string> args = {*executable,
                                     "-n",
                                     "--daemonize=no",
                                     "--system=false",
                                     "--use-pid-file=false",
                                     "--exit-idle-time=-1",
                                     "--disallow-exit",
                                     "--high-priority=no",
                                     "--realtime=no",
                                     "--no-cpu-limit",
                                     "--log-target=stderr",
                                     "-F",
                                     (dir_ / "startup.pa").string()};
    std::vector<std::string> env = serverEnvironment();
    auto argv = pointersTo(args);
    auto envp = pointersTo(env);
    const std::string logPath = (dir_ / "server.log").string();
    const pid_t parent = getpid();

    const pid_t child = fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        // A test process killed by a timeout must not leave a server behind.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(127);
        }
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        if (in < 0 || out < 0) {
            _exit(127);
        }
        dup2(in, STDIN_FILENO);
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    pid_ = child;
    paused_ = false;

    if (!waitUntilAccepting(milliseconds(10000))) {
        stop();
        return false;
    }
    for (std::size_t i = inScript; i < devices_.size(); ++i) {
        if (!loadDevice(devices_[i])) {
            stop();
            return false;
        }
    }
    // A module that fails to load does not stop the server, so count what is there.
    if (loadedDeviceCount() != devices_.size()) {
        stop();
        return false;
    }
    if (!pulseServerSaved_) {
        const char* old = std::getenv("PULSE_SERVER");
        savedPulseServer_ = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        pulseServerSaved_ = true;
    }
    setenv("PULSE_SERVER", serverAddress().c_str(), 1);
    return true;
}

bool PulseServer::waitUntilAccepting(milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = socketPath().string();
    if (path.size() >= sizeof(address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    while (Clock::now() < deadline) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1; // it gave up; the log says why
            return false;
        }
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            return false;
        }
        const bool accepted =
            connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
        close(fd);
        if (accepted) {
            return true;
        }
        std::this_thread::sleep_for(milliseconds(10));
    }
    return false;
}

void PulseServer::stop() {
    if (pid_ <= 0) {
        return;
    }
    // A stopped process only acts on SIGTERM once it runs again.
    kill(pid_, SIGTERM);
    kill(pid_, SIGCONT);
    if (!reap(pid_, milliseconds(3000))) {
        kill(pid_, SIGKILL);
        reap(pid_, milliseconds(3000));
    }
    pid_ = -1;
    paused_ = false;
    std::error_code ignored;
    std::filesystem::remove(socketPath(), ignored);
}

bool PulseServer::restart() {
    stop();
    return start();
}

bool PulseServer::pause() {
    if (pid_ <= 0 || kill(pid_, SIGSTOP) != 0) {
        return false;
    }
    // Returns only once the server is really frozen.
    int status = 0;
    while (waitpid(pid_, &status, WUNTRACED) < 0 && errno == EINTR) {
    }
    if (!WIFSTOPPED(status)) {
        pid_ = -1; // it had died, and is reaped now
        return false;
    }
    paused_ = true;
    return true;
}

bool PulseServer::resume() {
    if (pid_ <= 0 || kill(pid_, SIGCONT) != 0) {
        return false;
    }
    paused_ = false;
    return true;
}

std::string PulseServer::log() const {
    std::ifstream in(dir_ / "server.log");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

PulseServer::CommandResult PulseServer::pactl(const std::vector<std::string>& arguments,
                                              milliseconds timeout) const {
    CommandResult result;
    std::vector<std::string> args = {"pactl"};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<std::string> env = currentEnvironment();
    setVariable(env, "PULSE_SERVER", serverAddress());
    auto argv = pointersTo(args);
    auto envp = pointersTo(env);

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    const auto started = Clock::now();
    pid_t child = -1;
    const int spawned =
        posix_spawnp(&child, "pactl", &actions, &attributes, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        return result;
    }

    bool killed = false;
    const auto deadline = started + timeout;
    char buffer[4096];
    for (;;) {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
        pollfd readable{fds[0], POLLIN, 0};
        const int ready = left > 0 ? poll(&readable, 1, static_cast<int>(left)) : 0;
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            kill(child, SIGKILL);
            killed = true;
            break;
        }
        const ssize_t n = read(fds[0], buffer, sizeof(buffer));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        result.output.append(buffer, static_cast<std::size_t>(n));
    }
    close(fds[0]);

    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    result.wallTime = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started);
    const auto micros = [](const timeval& t) {
        return std::chrono::seconds(t.tv_sec) + std::chrono::microseconds(t.tv_usec);
    };
    result.cpuTime = micros(usage.ru_utime) + micros(usage.ru_stime);
    result.exitCode = !killed && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::optional<std::string> PulseServer::defaultSink() const {
    auto result = pactl({"get-default-sink"});
    return result.ok() ? std::optional(trimmed(result.output)) : std::nullopt;
}

std::optional<std::string> PulseServer::defaultSource() const {
    auto result = pactl({"get-default-source"});
    return result.ok() ? std::optional(trimmed(result.output)) : std::nullopt;
}

bool PulseServer::setDefaultSink(const std::string& name) const {
    return pactl({"set-default-sink", name}).ok();
}

bool PulseServer::setDefaultSource(const std::string& name) const {
    return pactl({"set-default-source", name}).ok();
}

std::optional<std::uint32_t> PulseServer::indexOf(const char* kind, const std::string& name) const {
    const auto result = pactl({"list", "short", kind});
    if (!result.ok()) {
        return std::nullopt;
    }
    std::istringstream lines(result.output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string index;
        std::string deviceName;
        if (std::getline(fields, index, '\t') && std::getline(fields, deviceName, '\t') &&
            deviceName == name) {
            return static_cast<std::uint32_t>(std::stoul(index));
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> PulseServer::sinkIndex(const std::string& name) const {
    return indexOf("sinks", name);
}

std::optional<std::uint32_t> PulseServer::sourceIndex(const std::string& name) const {
    return indexOf("sources", name);
}

bool PulseServer::loadDevice(const Device& device) const {
    if (!validDevice(device)) {
        return false;
    }
    // pactl joins its arguments with spaces, so the whole argument string can go as one.
    return pactl({"load-module", moduleFor(device), moduleArguments(device)}).ok();
}

std::size_t PulseServer::loadedDeviceCount() const {
    const auto modules = pactl({"list", "short", "modules"});
    std::size_t count = 0;
    std::istringstream lines(modules.output);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.find("\tmodule-null-sink\t") != std::string::npos ||
            line.find("\tmodule-null-source\t") != std::string::npos) {
            ++count;
        }
    }
    return count;
}

bool PulseServer::unloadDevice(const std::string& name) const {
    const auto modules = pactl({"list", "short", "modules"});
    if (!modules.ok()) {
        return false;
    }
    std::istringstream lines(modules.output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string index;
        std::string module;
        std::string arguments;
        std::getline(fields, index, '\t');
        std::getline(fields, module, '\t');
        std::getline(fields, arguments, '\t');
        const bool ours =
            (module == "module-null-sink" && arguments.starts_with("sink_name=" + name + " ")) ||
            (module == "module-null-source" && arguments.starts_with("source_name=" + name + " "));
        if (ours) {
            return pactl({"unload-module", index}).ok();
        }
    }
    return false;
}
