// The connection monitor runs on the UI thread every 3 seconds, so one tick's cost is what
// the user pays. Measured against a real private server, next to what spawning pactl for the
// same answer would cost.
//
// bench_monitor_tick [benchmark flags]    ticks at 2, 20 and 100 devices, and pactl
// bench_monitor_tick --idle-seconds=30    CPU of a process ticking every 3 s for that long

#include "audio/Audio.h"
#include "core/SpeakerDevice.h"
#include "platform/PulseAudioHardware.h"
#include "support/PulseServer.h"
#include "support/ScopedPlatform.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace {

using std::chrono::microseconds;

// One server at a time, kept across the runs the library makes of one benchmark.
PulseServer* serverWith(int devices) {
    static std::unique_ptr<PulseServer> server;
    static int current = -1;
    if (current != devices) {
        server.reset();
        server = std::make_unique<PulseServer>();
        server->addSink("lumatix", "Lumatix U");
        for (int i = 1; i < devices; ++i) {
            server->addSink("output_" + std::to_string(i), "Output Device " + std::to_string(i));
        }
        current = devices;
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

microseconds processCpu() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto of = [](const timeval& t) {
        return std::chrono::seconds(t.tv_sec) + microseconds(t.tv_usec);
    };
    return of(usage.ru_utime) + of(usage.ru_stime);
}

// user + system time of another process, from /proc.
microseconds cpuOf(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto close = stat.rfind(')');
    if (close == std::string::npos) {
        return microseconds(0);
    }
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    // Fields after the name start at 3 (state); utime and stime are 14 and 15.
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) {
            utime = std::stoull(field);
        } else if (i == 15) {
            stime = std::stoull(field);
        }
    }
    const long ticks = sysconf(_SC_CLK_TCK);
    return microseconds((utime + stime) * 1'000'000ULL / static_cast<unsigned long long>(ticks));
}

void BM_MonitorTick(benchmark::State& state) {
    PulseServer* server = serverWith(static_cast<int>(state.range(0)));
    if (server == nullptr) {
        state.SkipWithError("no server");
        return;
    }
    platform::PulseAudioHardware hardware("lumatix-bench");
    ScopedPlatform scoped({.audioHardware = &hardware});
    Audio::refreshSpeakerDevice(); // connects; the app's ticks find the connection open
    if (!speakerDevice().isPresent()) {
        state.SkipWithError("speakerphone not found");
        return;
    }
    const auto serverBefore = cpuOf(server->pid());
    for (auto _ : state) {
        Audio::refreshSpeakerDevice();
        benchmark::DoNotOptimize(speakerDevice().deviceID);
    }
    state.counters["server_cpu_us"] =
        benchmark::Counter(static_cast<double>((cpuOf(server->pid()) - serverBefore).count()),
                           benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_MonitorTick)
    ->Arg(2)
    ->Arg(20)
    ->Arg(100)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

// No sound server at all (a session without one, or before it starts): each tick tries to
// connect again, and that must stay cheap too.
void BM_MonitorTickWithoutServer(benchmark::State& state) {
    setenv("PULSE_SERVER", "unix:/nonexistent/lumatix-bench/native", 1);
    platform::PulseAudioHardware hardware("lumatix-bench");
    ScopedPlatform scoped({.audioHardware = &hardware});
    for (auto _ : state) {
        Audio::refreshSpeakerDevice();
        benchmark::DoNotOptimize(speakerDevice().deviceID);
    }
    if (speakerDevice().isPresent()) {
        state.SkipWithError("found a speakerphone without a server");
    }
}
BENCHMARK(BM_MonitorTickWithoutServer)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// The shell-out alternative: one pactl process per tick. Its own CPU is not ours, so it is
// counted apart (pactl_cpu_us); the CPU column is only the spawning side.
void BM_PactlListShortSinks(benchmark::State& state) {
    PulseServer* server = serverWith(static_cast<int>(state.range(0)));
    if (server == nullptr) {
        state.SkipWithError("no server");
        return;
    }
    microseconds childCpu{0};
    const auto serverBefore = cpuOf(server->pid());
    for (auto _ : state) {
        const auto result = server->pactl({"list", "short", "sinks"});
        if (!result.ok()) {
            state.SkipWithError("pactl failed");
            return;
        }
        childCpu += result.cpuTime;
    }
    state.counters["pactl_cpu_us"] = benchmark::Counter(static_cast<double>(childCpu.count()),
                                                        benchmark::Counter::kAvgIterations);
    state.counters["server_cpu_us"] =
        benchmark::Counter(static_cast<double>((cpuOf(server->pid()) - serverBefore).count()),
                           benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PactlListShortSinks)
    ->Arg(2)
    ->Arg(20)
    ->Arg(100)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

// A process that only holds the connection and lists outputs every 3 s, as the app does.
int measureIdle(int seconds) {
    constexpr int devices = 20;
    PulseServer* server = serverWith(devices);
    if (server == nullptr) {
        return 1;
    }
    platform::PulseAudioHardware hardware("lumatix-idle");
    if (hardware.outputDevices().size() != devices) {
        std::fprintf(stderr, "unexpected device list\n");
        return 1;
    }
    const auto wallStart = std::chrono::steady_clock::now();
    const auto cpuStart = processCpu();
    const auto serverStart = cpuOf(server->pid());
    int ticks = 0;
    auto next = wallStart;
    while (std::chrono::steady_clock::now() - wallStart < std::chrono::seconds(seconds)) {
        next += std::chrono::seconds(3);
        std::this_thread::sleep_until(next);
        if (hardware.outputDevices().size() != devices) {
            std::fprintf(stderr, "tick %d lost the devices\n", ticks);
        }
        ++ticks;
    }
    const auto wall =
        std::chrono::duration_cast<microseconds>(std::chrono::steady_clock::now() - wallStart);
    const auto cpu = processCpu() - cpuStart;
    const auto serverCpu = cpuOf(server->pid()) - serverStart;
    std::printf("idle: %d ticks over %.1f s with %d devices\n", ticks, wall.count() / 1e6, devices);
    std::printf("  client CPU %.3f ms total, %.1f us per tick, %.4f%% of one core\n",
                cpu.count() / 1e3, static_cast<double>(cpu.count()) / ticks,
                100.0 * static_cast<double>(cpu.count()) / static_cast<double>(wall.count()));
    std::printf("  server CPU %.3f ms total (10 ms clock-tick resolution)\n",
                serverCpu.count() / 1e3);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    constexpr const char* idleFlag = "--idle-seconds=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], idleFlag, std::strlen(idleFlag)) == 0) {
            return measureIdle(std::atoi(argv[i] + std::strlen(idleFlag)));
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
