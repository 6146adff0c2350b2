// The settings store under kill -9: a writer process saves new answers to the store as fast as
// it can, and is killed at a random moment, again and again. After every kill the store must
// parse and hold one whole generation of answers, the last one the writer saw saved or the one
// it was saving; never an older one (a lost answer) nor a mix.
//
// bench_store_crash [--kills=1000] [--max-delay-ms=30] [--folder=<dir>]
// (the delay is counted from the moment the writer has loaded the store)
// prints the figures and exits 0 when every kill left a good store

#include "platform/PlistUserDefaults.h"
#include "platform/PropertyList.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The answers of generation n; every key changes with it.
void storeGeneration(platform::PlistUserDefaults& store, std::int64_t n) {
    store.setInteger("EULAStatus", 1);
    store.setInteger("CheckPrivacyStatus", 1 + n % 2);
    store.setObject("DeviceUniqueID", "device-" + std::to_string(n));
    store.setObject("lastCheckOTADate", std::to_string(n));
    store.setBool("isFirstLaunch", n % 3 == 0);
}

// The generation the file holds whole; none when it does not parse or its answers are mixed.
std::optional<std::int64_t> generationIn(const fs::path& file, std::string* problem) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    platform::PropertyList::Error error;
    const auto list = platform::PropertyList::parse(bytes, &error);
    if (!list || !list->isDictionary()) {
        *problem = "does not parse: " + error.description;
        return std::nullopt;
    }
    const auto date = list->stringValue("lastCheckOTADate");
    if (!date) {
        *problem = "has no generation";
        return std::nullopt;
    }
    const std::int64_t n = std::stoll(*date);
    if (list->integerValue("EULAStatus") != 1 ||
        list->integerValue("CheckPrivacyStatus") != 1 + n % 2 ||
        list->stringValue("DeviceUniqueID") != "device-" + std::to_string(n) ||
        list->boolValue("isFirstLaunch") != (n % 3 == 0)) {
        *problem = "mixes generations";
        return std::nullopt;
    }
    return n;
}

// The writer: from the generation after the stored one, saves and reports each on stdout.
int write(const fs::path& file) {
    platform::PlistUserDefaults store(file);
    std::int64_t n = 0;
    if (const auto stored = store.objectForKey("lastCheckOTADate")) {
        n = std::stoll(std::get<std::string>(*stored));
    }
    // The kill is timed from here, past the process's start-up.
    if (::write(STDOUT_FILENO, "ready\n", 6) < 0) {
        return 1;
    }
    for (;;) {
        storeGeneration(store, ++n);
        if (!store.synchronize()) {
            return 1;
        }
        const std::string line = std::to_string(n) + "\n";
        if (::write(STDOUT_FILENO, line.data(), line.size()) < 0) {
            return 1;
        }
    }
}

std::string option(int argc, char** argv, const std::string& name, const std::string& fallback) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.starts_with(name + "=")) {
            return argument.substr(name.size() + 1);
        }
    }
    return fallback;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--write") {
        return write(argv[2]);
    }
    const int kills = std::stoi(option(argc, argv, "--kills", "1000"));
    const int maxDelayMs = std::stoi(option(argc, argv, "--max-delay-ms", "30"));
    fs::path folder = option(argc, argv, "--folder", "");
    if (folder.empty()) {
        char pattern[] = "/tmp/lumatix-store-crash-XXXXXX";
        folder = ::mkdtemp(pattern);
    }
    const fs::path file = folder / "com.lumatix.connectionassistant.plist";
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> delayUs(0, maxDelayMs * 1000);

    std::int64_t saved = 0; // the last generation a writer saw saved
    int unparsable = 0;
    int mixed = 0;
    int lost = 0;
    int withoutWrite = 0;
    for (int kill = 1; kill <= kills; ++kill) {
        int out[2];
        if (::pipe(out) != 0) {
            std::perror("pipe");
            return 2;
        }
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            ::execl("/proc/self/exe", argv[0], "--write", file.c_str(), nullptr);
            ::_exit(127);
        }
        ::close(out[1]);
        std::string reported;
        char buffer[4096];
        while (reported.find("ready\n") == std::string::npos) {
            const ssize_t got = ::read(out[0], buffer, sizeof buffer);
            if (got <= 0) {
                break;
            }
            reported.append(buffer, static_cast<std::size_t>(got));
        }
        ::usleep(static_cast<useconds_t>(delayUs(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        for (ssize_t got; (got = ::read(out[0], buffer, sizeof buffer)) > 0;) {
            reported.append(buffer, static_cast<std::size_t>(got));
        }
        ::close(out[0]);
        if (const auto end = reported.rfind('\n'); !reported.ends_with("ready\n")) {
            const auto start = reported.rfind('\n', end - 1);
            saved = std::stoll(reported.substr(start == std::string::npos ? 0 : start + 1));
        } else {
            ++withoutWrite;
        }
        if (!fs::exists(file)) {
            continue; // killed before its first write
        }
        std::string problem;
        const auto held = generationIn(file, &problem);
        if (!held) {
            (problem.starts_with("does not parse") ? unparsable : mixed) += 1;
            std::cerr << "kill " << kill << ": the store " << problem << '\n';
            continue;
        }
        // The one being written when the kill came may have landed; older ones may not come back.
        if (*held < saved || *held > saved + 1) {
            ++lost;
            std::cerr << "kill " << kill << ": the store holds generation " << *held
                      << ", the writer had saved " << saved << '\n';
        }
        saved = *held;
    }
    std::size_t leftovers = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        leftovers += entry.path() != file ? 1 : 0;
    }
    std::cout << "kills: " << kills << " (" << withoutWrite
              << " before a save was reported)\ngenerations saved: " << saved
              << "\nstores that did not parse: " << unparsable
              << "\nstores mixing generations: " << mixed << "\nlost answers: " << lost
              << "\nother files left in " << folder.string() << ": " << leftovers << '\n';
    return unparsable + mixed + lost == 0 ? 0 : 1;
}
