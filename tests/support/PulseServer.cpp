#include "support/PulseServer.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using Changes = std::vector<std::pair<std::string, std::optional<std::string>>>;

// This process's environment with some variables set or (without a value) removed.
std::vector<std::string> environmentWith(const Changes& changes) {
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        env.emplace_back(*entry);
    }
    for (const auto& [name, value] : changes) {
        std::erase_if(env, [&](const std::string& e) { return e.starts_with(name + "="); });
        if (value) {
            env.push_back(name + "=" + *value);
        }
    }
    return env;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> result;
    for (auto& s : strings) {
        result.push_back(s.data());
    }
    result.push_back(nullptr);
    return result;
}

// Starts a program found on PATH with its output on `out` and `err`. It is killed when this
// process dies, so a test killed by a timeout leaves no server behind.
pid_t spawn(std::vector<std::string> args, std::vector<std::string> env, int out, int err) {
    auto argv = pointersTo(args);
    auto envp = pointersTo(env);
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int in = open("/dev/null", O_RDONLY);
        if (getppid() != parent || in < 0) {
            _exit(127);
        }
        dup2(in, STDIN_FILENO);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        execvpe(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    return child;
}

// The pactl arguments that create the device. More sink properties (device.product.name...)
// go next to the description in sink_properties; the null source takes only a description.
std::vector<std::string> loadArguments(const PulseServer::Device& device) {
    if (device.sink) {
        return {"load-module", "module-null-sink",
                "sink_name=" + device.name + " sink_properties='device.description=\"" +
                    device.description + "\"'"};
    }
    return {"load-module", "module-null-source",
            "source_name=" + device.name + " description='" + device.description + "'"};
}

} // namespace

PulseServer::PulseServer() {
    std::string pattern = "/tmp/lumatix-pulse-XXXXXX"; // short: socket paths are limited
    if (mkdtemp(pattern.data()) != nullptr) {
        dir_ = pattern;
        std::filesystem::create_directories(dir_ / "run");
        // The default limit of 256 descriptors runs out near 60 null sinks.
        std::filesystem::create_directories(dir_ / "home/.config/pulse");
        std::ofstream(dir_ / "home/.config/pulse/daemon.conf") << "rlimit-nofile = 4096\n";
    }
}

PulseServer::~PulseServer() {
    stop();
    if (savedPulseServer_) {
        const auto& old = *savedPulseServer_;
        old ? setenv("PULSE_SERVER", old->c_str(), 1) : unsetenv("PULSE_SERVER");
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

PulseServer& PulseServer::addSink(std::string name, std::string description) {
    devices_.push_back({true, std::move(name), std::move(description)});
    return *this;
}

PulseServer& PulseServer::addSource(std::string name, std::string description) {
    devices_.push_back({false, std::move(name), std::move(description)});
    return *this;
}

bool PulseServer::start() {
    if (pid_ > 0 || dir_.empty()) {
        return pid_ > 0;
    }
    const std::string home = (dir_ / "home").string();
    // Without a display D-Bus could autolaunch a bus; a dead address just fails.
    const std::string noBus = "unix:path=" + (dir_ / "no-bus").string();
    const Changes env = {{"HOME", home},
                         {"XDG_CONFIG_HOME", home + "/.config"},
                         {"XDG_RUNTIME_DIR", (dir_ / "run").string()},
                         {"PULSE_SERVER", {}},
                         {"PULSE_RUNTIME_PATH", {}},
                         {"PULSE_STATE_PATH", {}},
                         {"PULSE_CONFIG_PATH", {}},
                         {"PULSE_COOKIE", {}},
                         {"DISPLAY", {}},
                         {"WAYLAND_DISPLAY", {}},
                         {"DBUS_SESSION_BUS_ADDRESS", noBus},
                         {"DBUS_SYSTEM_BUS_ADDRESS", noBus}};
    const int log =
        open((dir_ / "server.log").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    pid_ = spawn({"pulseaudio", "-n", "--daemonize=no", "--system=false", "--use-pid-file=false",
                  "--exit-idle-time=-1", "--disallow-exit", "--high-priority=no", "--realtime=no",
                  "--no-cpu-limit", "--log-target=stderr", "-L",
                  "module-native-protocol-unix auth-anonymous=1 socket=" + socketPath().string()},
                 environmentWith(env), log, log);
    close(log);
    // Devices go in through the client protocol, which reports a module that fails to load.
    if (pid_ <= 0 || !waitUntilAccepting() ||
        !std::ranges::all_of(devices_, [this](const Device& d) { return loadDevice(d); })) {
        stop();
        return false;
    }
    if (!savedPulseServer_) {
        const char* old = std::getenv("PULSE_SERVER");
        savedPulseServer_ = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
    }
    setenv("PULSE_SERVER", serverAddress().c_str(), 1);
    return true;
}

bool PulseServer::waitUntilAccepting() {
    for (const auto deadline = Clock::now() + milliseconds(10000); Clock::now() < deadline;) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1; // it gave up; the log says why
            return false;
        }
        if (pactl({"info"}).ok()) {
            return true;
        }
        std::this_thread::sleep_for(milliseconds(20));
    }
    return false;
}

void PulseServer::stop() {
    if (pid_ > 0) {
        // A stopped process only acts on SIGTERM once it runs again.
        kill(pid_, SIGTERM);
        kill(pid_, SIGCONT);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

bool PulseServer::restart() {
    stop();
    return start();
}

bool PulseServer::pause() {
    int status = 0;
    // Returns only once the server is really frozen.
    return pid_ > 0 && kill(pid_, SIGSTOP) == 0 && waitpid(pid_, &status, WUNTRACED) == pid_ &&
           WIFSTOPPED(status);
}

bool PulseServer::resume() {
    return pid_ > 0 && kill(pid_, SIGCONT) == 0;
}

std::string PulseServer::log() const {
    std::ifstream in(dir_ / "server.log");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

PulseServer::CommandResult PulseServer::pactl(const std::vector<std::string>& arguments) const {
    CommandResult result;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        return result;
    }
    std::vector<std::string> args = {"pactl"};
    args.insert(args.end(), arguments.begin(), arguments.end());
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    const pid_t child =
        spawn(args, environmentWith({{"PULSE_SERVER", serverAddress()}}), fds[1], null);
    close(fds[1]);
    close(null);
    char buffer[4096];
    for (ssize_t n = 0; (n = read(fds[0], buffer, sizeof(buffer))) != 0;) {
        if (n > 0) {
            result.output.append(buffer, static_cast<std::size_t>(n));
        } else if (errno != EINTR) {
            break;
        }
    }
    close(fds[0]);
    int status = 0;
    rusage usage{};
    if (child > 0 && wait4(child, &status, 0, &usage) == child && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    const auto micros = [](const timeval& t) {
        return std::chrono::seconds(t.tv_sec) + std::chrono::microseconds(t.tv_usec);
    };
    result.cpuTime = micros(usage.ru_utime) + micros(usage.ru_stime);
    return result;
}

std::optional<std::string> PulseServer::line(const char* command) const {
    const auto result = pactl({command});
    return result.ok() ? std::optional(result.output.substr(0, result.output.find('\n')))
                       : std::nullopt;
}

std::optional<std::uint32_t> PulseServer::indexOf(const char* kind, const std::string& name) const {
    // Lines of "index<TAB>name<TAB>...".
    std::istringstream lines(pactl({"list", "short", kind}).output);
    for (std::string line; std::getline(lines, line);) {
        const auto tab = line.find('\t');
        if (tab != std::string::npos && line.compare(tab + 1, name.size() + 1, name + "\t") == 0) {
            return static_cast<std::uint32_t>(std::stoul(line.substr(0, tab)));
        }
    }
    return std::nullopt;
}

bool PulseServer::loadDevice(const Device& device) const {
    // pactl joins its arguments with spaces, so the whole argument string can go as one.
    return pactl(loadArguments(device)).ok();
}
