#include "support/PulseServer.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace {

// Starts a program found on PATH with its output and errors on `out`. It is killed when this
// process dies, so a test killed by a timeout leaves no server behind.
pid_t spawn(std::vector<std::string> args, int out) {
    std::vector<char*> argv(args.size() + 1); // ends with a null pointer
    std::ranges::transform(args, argv.begin(), [](std::string& arg) { return arg.data(); });
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(127);
        }
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return child;
}

} // namespace

PulseServer::PulseServer() {
    char pattern[] = "/tmp/lumatix-pulse-XXXXXX"; // short: socket paths are limited
    if (mkdtemp(pattern) == nullptr) {
        throw std::system_error(errno, std::generic_category(), pattern);
    }
    dir_ = pattern;
    // The default limit of 256 descriptors runs out near 60 null sinks.
    writeFile(dir_ / ".config/pulse/daemon.conf", "rlimit-nofile = 4096\n");
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

bool PulseServer::start() {
    const int log = open((dir_ / "server.log").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    // Only its own home and runtime folder: no display, bus, cookie or other server to find.
    pid_ =
        spawn({"env", "-i", "HOME=" + dir_.string(), "XDG_RUNTIME_DIR=" + dir_.string(),
               "pulseaudio", "-n", "--daemonize=no", "--system=false", "--use-pid-file=false",
               "--exit-idle-time=-1", "--disallow-exit", "--high-priority=no", "--realtime=no",
               "--no-cpu-limit", "--log-target=stderr", "-L",
               "module-native-protocol-unix auth-anonymous=1 socket=" + (dir_ / "native").string()},
              log);
    close(log);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (pid_ > 0 && !pactl({"info"}).ok()) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1; // it gave up; the log says why
        }
        if (std::chrono::steady_clock::now() > deadline) {
            stop();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    // Devices go in through the client protocol, which reports a module that fails to load.
    if (pid_ > 0 && !std::ranges::all_of(devices_, [this](const Device& d) { return load(d); })) {
        stop();
    }
    setenv("PULSE_SERVER", serverAddress().c_str(), 1);
    return pid_ > 0;
}

void PulseServer::stop() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL); // also ends a paused server
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
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

PulseServer::CommandResult PulseServer::pactl(const std::vector<std::string>& arguments) const {
    std::vector<std::string> args = {"pactl", "--server=" + serverAddress()};
    args.insert(args.end(), arguments.begin(), arguments.end());
    const auto output = dir_ / "pactl.out";
    const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const pid_t child = spawn(args, out);
    close(out);
    CommandResult result;
    int status = 0;
    rusage usage{};
    if (child > 0 && wait4(child, &status, 0, &usage) == child && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    for (const timeval& t : {usage.ru_utime, usage.ru_stime}) {
        result.cpuTime += std::chrono::seconds(t.tv_sec) + std::chrono::microseconds(t.tv_usec);
    }
    result.output = readFile(output);
    return result;
}

std::string PulseServer::defaults() const {
    const auto sink = pactl({"get-default-sink"}).output;
    const auto source = pactl({"get-default-source"}).output;
    return sink.substr(0, sink.find('\n')) + " " + source.substr(0, source.find('\n'));
}

bool PulseServer::setDefaults(const std::string& sink, const std::string& source) const {
    return pactl({"set-default-sink", sink}).ok() && pactl({"set-default-source", source}).ok();
}

bool PulseServer::load(const Device& device) const {
    // pactl joins its arguments with spaces, so the module's arguments can go as one.
    const std::string properties =
        "='device.description=\"" + device.description + "\"" +
        (device.productName.empty() ? "" : " device.product.name=\"" + device.productName + "\"") +
        "'";
    if (device.sink) {
        return pactl({"load-module", "module-null-sink",
                      "sink_name=" + device.name + " sink_properties" + properties})
            .ok();
    }
    if (device.productName.empty()) {
        return pactl({"load-module", "module-null-source",
                      "source_name=" + device.name + " description='" + device.description + "'"})
            .ok();
    }
    // A null source takes no properties; a remap of one does.
    const std::string raw = device.name + "_raw";
    return pactl({"load-module", "module-null-source", "source_name=" + raw}).ok() &&
           pactl({"load-module", "module-remap-source",
                  "master=" + raw + " source_name=" + device.name + " source_properties" +
                      properties})
               .ok();
}
