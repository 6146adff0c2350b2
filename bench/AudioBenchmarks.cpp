// What the speakerphone's audio handling costs the user, against a real private sound server,
// next to the polling it replaced (a full read of the server on every 3-second tick):
//
//   BM_Detection/events|polling   time from a speakerphone appearing until the record has it
//                                 (from the start of the pactl that loads it: an upper bound)
//   BM_MonitorTick/N              one tick of the connection monitor at N outputs; the server's
//   BM_PollingTick/N              CPU per tick is the server_cpu_us counter
//   BM_StalledModeSwitch          the main thread's longest block while a Meeting click waits on
//                                 a frozen server (manual time), and the click itself (click_us)
//   BM_CallToMeeting             time from a call's recording stream starting (the start of a
//                                 pacat that calls itself zoom) until both defaults are on the
//                                 speakerphone, with following calls on (PulseAudio: under
//                                 PipeWire the session manager keeps the speakerphone's microphone
//                                 as the default input between iterations)
//   BM_ModeCommand, BM_TwoPactlCalls
//                                 `--mode meeting` as a whole process against the two pactl
//                                 calls that do the same (child_cpu_us)
//
// bench_audio [benchmark flags]

#include "app/CallFollower.h"
#include "audio/AppManger.h"
#include "audio/Audio.h"
#include "core/FollowCalls.h"
#include "core/ProcessState.h"
#include "core/SpeakerDevice.h"
#include "platform/MainQueue.h"
#include "platform/PulseAudioHardware.h"
#include "support/PlatformDoubles.h"
#include "support/PulseServer.h"
#include "support/ScopedPlatform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using std::chrono::microseconds;
using Clock = std::chrono::steady_clock;

// One server at a time, kept across the runs the library makes of one benchmark.
PulseServer* serverWith(int outputs) {
    static std::unique_ptr<PulseServer> server;
    static int current = -1;
    if (current != outputs) {
        server.reset();
        server = std::make_unique<PulseServer>();
        server->addSink("lumatix", "Lumatix U Analog Stereo", "Lumatix U")
            .addSource("lumatix_mic", "Lumatix U Mono", "Lumatix U");
        for (int i = 1; i < outputs; ++i) {
            server->addSink("output_" + std::to_string(i), "Output Device " + std::to_string(i));
        }
        current = outputs;
        if (!server->start()) {
            std::fprintf(stderr, "server did not start:\n%s\n", server->log().c_str());
            server.reset();
            current = -1;
            return nullptr;
        }
    }
    // Several servers may have set it; ours is the one to reach.
    setenv("PULSE_SERVER", server->serverAddress().c_str(), 1);
    return server.get();
}

// user + system time of another process, from /proc (10 ms clock ticks: average many).
microseconds cpuOf(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto close = stat.rfind(')');
    if (close == std::string::npos) {
        return microseconds(0);
    }
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    unsigned long long ticks = 0;
    // Fields after the name start at 3 (state); utime and stime are 14 and 15.
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14 || i == 15) {
            ticks += std::stoull(field);
        }
    }
    return microseconds(ticks * 1'000'000ULL /
                        static_cast<unsigned long long>(sysconf(_SC_CLK_TCK)));
}

// Runs a program to its end and gives its CPU time; none when it failed.
std::optional<microseconds> childCpu(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    const auto of = [](const timeval& t) {
        return std::chrono::seconds(t.tv_sec) + microseconds(t.tv_usec);
    };
    return of(usage.ru_utime) + of(usage.ru_stime);
}

bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    return platform::MainQueue::runUntil(done, limit);
}

// The application's monitor on a fresh connection, following the server or polling it.
struct Monitor {
    explicit Monitor(bool followChanges)
        : hardware("lumatix-bench", {.followChanges = followChanges}),
          scoped({.audioHardware = &hardware, .userState = &userState}) {
        Audio::waitUntilSynchronized(std::chrono::seconds(5));
        mainScreenState = MainScreen::mode;
        AppManger::shared().startCheckBTStatusTimer();
        if (!followChanges) {
            // A poller asks the server again on every tick.
            poll.callOnTimeout([this] { hardware.refresh(); });
            poll.start(3000);
        }
    }
    ~Monitor() { AppManger::shared().stopCheckBTStatusTimer(); }
    Monitor(const Monitor&) = delete;
    Monitor& operator=(const Monitor&) = delete;

    platform::PulseAudioHardware hardware;
    MemoryUserState userState;
    ScopedPlatform scoped;
    QTimer poll;
};

void BM_Detection(benchmark::State& state) {
    PulseServer server; // no speakerphone until one is loaded
    server.addSink("builtin", "Built-in Speakers");
    if (!server.start()) {
        state.SkipWithError("no server");
        return;
    }
    const bool followChanges = state.range(0) == 1;
    state.SetLabel(followChanges ? "events" : "polling");
    Monitor monitor(followChanges);
    for (auto _ : state) {
        const auto start = Clock::now();
        auto loaded =
            server.pactl({"load-module", "module-null-sink",
                          "sink_name=appearing sink_properties='device.description="
                          "\"Lumatix U Analog Stereo\" device.product.name=\"Lumatix U\"'"});
        const bool seen = loaded.ok() && waitFor([] { return speakerDevice().isPresent(); },
                                                 std::chrono::seconds(10));
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        const std::string module = loaded.output.substr(0, loaded.output.find('\n'));
        if (!seen || !server.pactl({"unload-module", module}).ok() ||
            !waitFor([] { return !speakerDevice().isPresent(); }, std::chrono::seconds(10))) {
            state.SkipWithError("the speakerphone was not noticed coming and going");
            return;
        }
    }
}
BENCHMARK(BM_Detection)->Arg(1)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Detection)->Arg(0)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_CallToMeeting(benchmark::State& state) {
    PulseServer server;
    server.addSink("lumatix", "Lumatix U Analog Stereo", "Lumatix U")
        .addSource("lumatix_mic", "Lumatix U Mono", "Lumatix U")
        .addSource("builtin_mic", "Built-in Microphone")
        .addSink("builtin", "Built-in Speakers");
    if (!server.start()) {
        state.SkipWithError("no server");
        return;
    }
    Monitor monitor(true);
    RecordingNotifications notices;
    ScopedPlatform scoped({.desktopNotifications = &notices});
    FollowCalls::setOn(true);
    CallFollower follower;
    const auto inMeeting = [] { return Audio::getModeInUse() == ModeInUse::meeting; };
    for (auto _ : state) {
        if (!server.setDefaults("builtin", "builtin_mic") ||
            !waitFor([&] { return !inMeeting(); }, std::chrono::seconds(10))) {
            state.SkipWithError("the defaults did not go back");
            return;
        }
        QProcess call;
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PULSE_PROP", R"(application.name="ZOOM VoiceEngine" )"
                                         R"(application.process.binary="zoom")");
        call.setProcessEnvironment(environment);
        call.setStandardOutputFile(QProcess::nullDevice());
        const auto start = Clock::now();
        call.start("pacat", {"--record"});
        const bool switched = waitFor(inMeeting, std::chrono::seconds(10));
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        call.kill();
        call.waitForFinished();
        // A mode of one's own choosing: nothing is given back after the call.
        bool musicDone = false;
        AppManger::shared().switchToMusicMode([&musicDone](auto) { musicDone = true; });
        if (!switched || !waitFor([&] { return musicDone; }, std::chrono::seconds(10))) {
            state.SkipWithError("the call was not followed");
            return;
        }
    }
}
BENCHMARK(BM_CallToMeeting)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

void tick(benchmark::State& state, bool polling) {
    PulseServer* server = serverWith(static_cast<int>(state.range(0)));
    if (server == nullptr) {
        state.SkipWithError("no server");
        return;
    }
    Monitor monitor(!polling);
    if (!speakerDevice().isPresent()) {
        state.SkipWithError("speakerphone not found");
        return;
    }
    const auto serverBefore = cpuOf(server->pid());
    for (auto _ : state) {
        if (polling) {
            // What a tick cost before: one full read of the server, then the record.
            const int before = monitor.hardware.fetchCount();
            monitor.hardware.refresh();
            waitFor([&] { return monitor.hardware.fetchCount() > before; },
                    std::chrono::seconds(5));
        }
        AppManger::shared().checkBTStatus();
        benchmark::DoNotOptimize(speakerDevice().deviceID);
    }
    state.counters["server_cpu_us"] =
        benchmark::Counter(static_cast<double>((cpuOf(server->pid()) - serverBefore).count()),
                           benchmark::Counter::kAvgIterations);
}

void BM_MonitorTick(benchmark::State& state) {
    tick(state, false);
}
void BM_PollingTick(benchmark::State& state) {
    tick(state, true);
}
BENCHMARK(BM_MonitorTick)
    ->Arg(2)
    ->Arg(20)
    ->Arg(100)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PollingTick)
    ->Arg(2)
    ->Arg(20)
    ->Arg(100)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

// A heartbeat every millisecond shows how long the main thread went without its event loop.
void BM_StalledModeSwitch(benchmark::State& state) {
    PulseServer* server = serverWith(2);
    if (server == nullptr) {
        state.SkipWithError("no server");
        return;
    }
    Monitor monitor(true);
    double longestClick = 0;
    for (auto _ : state) {
        if (!server->pause()) {
            state.SkipWithError("server did not freeze");
            return;
        }
        QElapsedTimer sinceBeat;
        qint64 longest = 0;
        QTimer heartbeat;
        heartbeat.setTimerType(Qt::PreciseTimer);
        heartbeat.callOnTimeout([&] {
            longest = std::max(longest, sinceBeat.nsecsElapsed());
            sinceBeat.restart();
        });
        heartbeat.start(1);
        sinceBeat.start();
        std::optional<AppManger::ModeSwitch> outcome;
        const auto clickStart = Clock::now();
        AppManger::shared().switchToMeetingMode([&](AppManger::ModeSwitch o) { outcome = o; });
        const auto click = std::chrono::duration<double>(Clock::now() - clickStart).count();
        longestClick = std::max(longestClick, click);
        waitFor([&] { return outcome.has_value(); }, std::chrono::seconds(10));
        heartbeat.stop();
        // The heartbeat's own period is not a block.
        state.SetIterationTime(std::max(static_cast<double>(longest) / 1e9, click));
        if (!server->resume() || outcome != AppManger::ModeSwitch::noAnswer) {
            state.SkipWithError("the switch did not end as unanswered");
            return;
        }
    }
    state.counters["click_us"] = longestClick * 1e6;
}
BENCHMARK(BM_StalledModeSwitch)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ModeCommand(benchmark::State& state) {
    if (serverWith(2) == nullptr) {
        state.SkipWithError("no server");
        return;
    }
    microseconds total{0};
    for (auto _ : state) {
        const auto cpu = childCpu({LUMATIX_COMMAND, "--mode", "meeting"});
        if (!cpu) {
            state.SkipWithError("the command failed");
            return;
        }
        total += *cpu;
    }
    state.counters["child_cpu_us"] =
        benchmark::Counter(static_cast<double>(total.count()), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ModeCommand)->Iterations(100)->Unit(benchmark::kMillisecond);

void BM_TwoPactlCalls(benchmark::State& state) {
    PulseServer* server = serverWith(2);
    if (server == nullptr) {
        state.SkipWithError("no server");
        return;
    }
    const std::string address = "--server=" + server->serverAddress();
    microseconds total{0};
    for (auto _ : state) {
        const auto sink = childCpu({"pactl", address, "set-default-sink", "lumatix"});
        const auto source = childCpu({"pactl", address, "set-default-source", "lumatix_mic"});
        if (!sink || !source) {
            state.SkipWithError("pactl failed");
            return;
        }
        total += *sink + *source;
    }
    state.counters["child_cpu_us"] =
        benchmark::Counter(static_cast<double>(total.count()), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_TwoPactlCalls)->Iterations(100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The mode command remembers a microphone: never in the user's own state.
    QTemporaryDir state;
    setenv("XDG_STATE_HOME", state.path().toUtf8().constData(), 1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
