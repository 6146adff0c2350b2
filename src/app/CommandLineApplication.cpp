#include "app/CommandLineApplication.h"

#include "BuildConfig.h"
#include "app/CommandLine.h"
#include "platform/Executable.h"
#include "platform/Platform.h"
#include "platform/PulseAudioHardware.h"
#include "platform/SingleInstance.h"
#include "platform/StateFile.h"

#include <QCoreApplication>
#include <iostream>

int CommandLineApplication::run(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const auto request = CommandLine::parse(arguments);
    if (request.needsSoundServer()) {
        // Only the sound server and the user's state are needed, on GLib's loop: no
        // QCoreApplication, no display. No change events: it reads the server once, and again
        // while a mode switch waits for a profile's devices.
        platform::PulseAudioHardware hardware{std::string(build_config::appName),
                                              {.followChanges = false}};
        platform::StateFile state(platform::StateFile::defaultPath());
        const auto previous =
            platform::Platform::install({.audioHardware = &hardware, .userState = &state});
        const int status = CommandLine::run(request, std::cout, std::cerr);
        platform::Platform::restore(previous);
        return status;
    }
    if (request.changesFollowCalls()) {
        return changeFollowCalls(request, argc, argv);
    }
    if (request.action != CommandLineRequest::Action::runApplication) {
        return CommandLine::run(request, std::cout, std::cerr);
    }
    const auto desktop =
        platform::Executable::current(argc > 0 ? argv[0] : nullptr)
            .replace_filename(std::string(build_config::appId) + std::string(desktopSuffix));
    const auto failure = platform::Executable::replaceProcess(desktop, argv);
    std::cerr << build_config::appId << ": cannot start " << desktop.string() << ": " << failure
              << '\n';
    return 1;
}

// The setting lives in the user's state; a running assistant is told to read it again.
int CommandLineApplication::changeFollowCalls(const CommandLineRequest& request, int argc,
                                              char** argv) {
    platform::StateFile state(platform::StateFile::defaultPath());
    const auto previous = platform::Platform::install({.userState = &state});
    const int status = CommandLine::run(request, std::cout, std::cerr);
    platform::Platform::restore(previous);
    if (status == 0) {
        const QCoreApplication application(argc, argv);
        platform::SingleInstance(
            platform::SingleInstance::socketPathFor(QString::fromUtf8(
                build_config::appId.data(), static_cast<qsizetype>(build_config::appId.size()))))
            .announceStateChange();
    }
    return status;
}
