// An hour of a busy desk: the speakerphone appears and disappears every second and the sound
// server restarts every five minutes, while the connection monitor runs as in the application.
// Memory must stay flat, every change must reach the speakerphone record, and at the end one
// timer and one server connection (one subscription) must be left.
//
// bench_soak [--minutes=60] [--restart-minutes=5]     exit status 0 when all of that held

#include "audio/AppManger.h"
#include "core/ProcessState.h"
#include "core/SpeakerDevice.h"
#include "platform/NotificationCenter.h"
#include "platform/Platform.h"
#include "platform/PulseAudioHardware.h"
#include "platform/Timer.h"
#include "support/PulseServer.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

int clientsNamed(const PulseServer& server, const std::string& name) {
    const auto clients = server.pactl({"list", "clients"}).output;
    int count = 0;
    for (auto at = clients.find('"' + name + '"'); at != std::string::npos;
         at = clients.find('"' + name + '"', at + 1)) {
        ++count;
    }
    return count;
}

// The module that holds the speakerphone's sink, if loaded.
std::string speakerModule(const PulseServer& server) {
    const auto modules = server.pactl({"list", "short", "modules"}).output;
    const auto at = modules.find("sink_name=soak_speaker");
    if (at == std::string::npos) {
        return {};
    }
    const auto lineStart = modules.rfind('\n', at);
    const auto begin = lineStart == std::string::npos ? 0 : lineStart + 1;
    return modules.substr(begin, modules.find('\t', begin) - begin);
}

int argument(int argc, char** argv, const char* flag, int fallback) {
    const auto length = std::strlen(flag);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], flag, length) == 0) {
            return std::atoi(argv[i] + length);
        }
    }
    return fallback;
}

} // namespace

int main(int argc, char** argv) {
    const int minutes = argument(argc, argv, "--minutes=", 60);
    const int restartMinutes = argument(argc, argv, "--restart-minutes=", 5);
    QCoreApplication app(argc, argv);

    PulseServer server;
    server.addSink("builtin", "Built-in Speakers").addSource("builtin_mic", "Built-in Microphone");
    if (!server.start()) {
        std::fprintf(stderr, "server did not start:\n%s\n", server.log().c_str());
        return 1;
    }
    platform::PulseAudioHardware hardware("lumatix-soak");
    platform::Platform::install({.audioHardware = &hardware});
    int posts = 0;
    platform::NotificationCenter::defaultCenter().addObserver(&posts, "checkStatus",
                                                              [&posts] { ++posts; });
    mainScreenState = MainScreen::mode;
    AppManger::shared().startCheckBTStatusTimer();

    const auto started = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() -
                                                                started);
    };
    int toggles = 0;
    int missed = 0;
    int restarts = 0;
    long firstRss = -1;
    long peakRss = 0;

    std::printf("minute  rss_kib  timers  posts  toggles  missed  restarts\n");
    QTimer toggle;
    QObject::connect(&toggle, &QTimer::timeout, [&] {
        const int second = static_cast<int>(elapsed().count());
        if (second > 0 && second % (restartMinutes * 60) == 0) {
            server.stop();
            if (!server.start()) {
                std::fprintf(stderr, "server did not restart:\n%s\n", server.log().c_str());
            }
            ++restarts;
            return;
        }
        const auto module = speakerModule(server);
        if (module.empty()) {
            if (!server.load({true, "soak_speaker", "Lumatix U Analog Stereo", "Lumatix U"})) {
                std::fprintf(stderr, "second %d: the speakerphone did not load\n", second);
            }
        } else if (!server.pactl({"unload-module", module}).ok()) {
            std::fprintf(stderr, "second %d: the speakerphone did not unload\n", second);
        }
        ++toggles;
        // Half a second later the record must say what the server has.
        const bool expected = module.empty();
        QTimer::singleShot(500, &app, [&missed, expected] {
            if (speakerDevice().isPresent() != expected) {
                ++missed;
            }
        });
    });
    QTimer sample;
    QObject::connect(&sample, &QTimer::timeout, [&] {
        const long rss = residentKiB();
        // The first minutes fill caches and pools; growth is judged from minute 2 on.
        if (elapsed() >= std::chrono::minutes(2) && firstRss < 0) {
            firstRss = rss;
        }
        peakRss = std::max(peakRss, rss);
        std::printf("%6lld  %7ld  %6d  %5d  %7d  %6d  %8d\n",
                    static_cast<long long>(elapsed().count() / 60), rss,
                    platform::Timer::activeCount(), posts, toggles, missed, restarts);
        std::fflush(stdout);
        if (elapsed() >= std::chrono::minutes(minutes)) {
            QCoreApplication::quit();
        }
    });
    toggle.start(1000);
    sample.start(60000);
    QCoreApplication::exec();
    toggle.stop();

    // Let the last change settle before counting what is left.
    const auto settleUntil = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < settleUntil) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    const long lastRss = residentKiB();
    const int timers = platform::Timer::activeCount();
    const int connections = clientsNamed(server, "lumatix-soak");
    const long growth = firstRss > 0 ? lastRss - firstRss : 0;
    std::printf("end: rss %ld KiB (from minute 2: %+ld KiB, peak %ld), %d timer(s), "
                "%d connection(s), %d toggles, %d missed, %d restarts, %d posts\n",
                lastRss, growth, peakRss, timers, connections, toggles, missed, restarts, posts);
    const bool flat = growth < 2048;
    const bool tidy = timers == 1 && connections == 1;
    // A toggle right around a restart may land while the server is down.
    const bool noticed = missed <= restarts * 2;
    AppManger::shared().stopCheckBTStatusTimer();
    platform::NotificationCenter::defaultCenter().removeObserver(&posts);
    return flat && tidy && noticed ? 0 : 1;
}
