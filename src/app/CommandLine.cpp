#include "app/CommandLine.h"

#include "BuildConfig.h"
#include "audio/AppManger.h"
#include "audio/Audio.h"
#include "core/FollowCalls.h"
#include "platform/AudioHardware.h"
#include "platform/Log.h"
#include "platform/MainQueue.h"
#include "platform/Platform.h"

#include <algorithm>
#include <chrono>
#include <optional>

namespace {

using Action = CommandLineRequest::Action;

// The sound server answers within milliseconds; these only bound a stalled one.
constexpr std::chrono::milliseconds serverAnswerLimit{2000};
// A Bluetooth profile switch waits for its devices for up to two seconds more.
constexpr std::chrono::milliseconds modeSwitchLimit{6000};

bool soundServerAnswered(std::ostream& err) {
    auto& hardware = platform::Platform::audioHardware();
    if (platform::MainQueue::runUntil([&hardware] { return hardware.isSynchronized(); },
                                      serverAnswerLimit)) {
        return true;
    }
    err << build_config::appId << ": no sound server answered; nothing was changed\n";
    return false;
}

CommandLineRequest invalid(std::string message) {
    return {Action::invalid, std::move(message)};
}

CommandLineRequest modeRequest(const std::string& value) {
    if (value == "meeting") {
        return {Action::meetingMode, {}};
    }
    if (value == "music") {
        return {Action::musicMode, {}};
    }
    return invalid("unknown mode '" + value + "' (expected meeting or music)");
}

CommandLineRequest followCallsRequest(const std::string& value) {
    if (value == "on") {
        return {Action::followCallsOn, {}};
    }
    if (value == "off") {
        return {Action::followCallsOff, {}};
    }
    return invalid("unknown value '" + value + "' for --follow-calls (expected on or off)");
}

void printDevices(std::ostream& out, const char* heading,
                  std::vector<platform::AudioDeviceInfo> devices, bool markSpeaker) {
    std::sort(devices.begin(), devices.end(),
              [](const auto& a, const auto& b) { return a.id < b.id; });
    out << heading << (devices.empty() ? " none" : "") << '\n';
    for (const auto& device : devices) {
        out << "  " << device.id << '\t' << device.name;
        // The server's own name too, where it differs from the product's.
        if (!device.description.empty() && device.description != device.name) {
            out << " (" << device.description << ')';
        }
        if (markSpeaker && Audio::isSpeakerName(device.name)) {
            out << "\t[speakerphone]";
        }
        out << '\n';
    }
}

// "Meeting mode: output Lumatix U, input Lumatix U", or what stayed as it was.
std::string summary(bool meeting, const AppManger::Defaults& defaults) {
    std::string line =
        (meeting ? "Meeting mode: output " : "Music mode: output ") + defaults.output;
    if (defaults.input) {
        return line + ", input " + *defaults.input + '\n';
    }
    return line + (meeting ? " only; the speakerphone has no microphone\n"
                           : " only; there is no other microphone\n");
}

} // namespace

CommandLineRequest CommandLine::parse(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return {};
    }
    const std::string& first = arguments.front();
    const auto expectAlone = [&](CommandLineRequest request) {
        return arguments.size() == 1 ? request
                                     : invalid("unexpected argument '" + arguments[1] + "'");
    };
    if (first == "--help" || first == "-h") {
        return expectAlone({Action::help, {}});
    }
    if (first == "--version") {
        return expectAlone({Action::version, {}});
    }
    if (first == "--list-devices") {
        return expectAlone({Action::listDevices, {}});
    }
    // "--option value" or "--option=value".
    const auto valued = [&](const std::string& option, const char* expected,
                            CommandLineRequest (*request)(const std::string&)) {
        if (first.starts_with(option + "=")) {
            return expectAlone(request(first.substr(option.size() + 1)));
        }
        if (arguments.size() < 2) {
            return invalid(option + " needs a value: " + expected);
        }
        const auto result = request(arguments[1]);
        if (result.action != Action::invalid && arguments.size() > 2) {
            return invalid("unexpected argument '" + arguments[2] + "'");
        }
        return result;
    };
    for (const auto& [option, expected, request] :
         {std::tuple{"--mode", "meeting or music", &modeRequest},
          std::tuple{"--follow-calls", "on or off", &followCallsRequest}}) {
        if (first == option || first.starts_with(std::string(option) + "=")) {
            return valued(option, expected, request);
        }
    }
    return invalid("unknown option '" + first + "'");
}

std::string CommandLine::usage() {
    return "Usage: " + std::string(build_config::appId) +
           " [option]\n"
           "Without an option, starts the assistant (or brings a running one to the front).\n"
           "\n"
           "Options:\n"
           "  --list-devices   list output and input devices; the speakerphone is marked\n"
           "  --mode meeting   speakerphone as default output and input\n"
           "  --mode music     speakerphone as default output, another microphone as input\n"
           "  --follow-calls on|off\n"
           "                   switch to Meeting mode while a call uses a microphone, and back\n"
           "  --version        print the version\n"
           "  --help           print this help\n";
}

int CommandLine::run(const CommandLineRequest& request, std::ostream& out, std::ostream& err) {
    switch (request.action) {
    case Action::help:
        out << usage();
        return 0;
    case Action::version:
        out << build_config::appName << ' ' << build_config::buildVersion << '\n';
        return 0;
    case Action::listDevices:
        return listDevices(out, err);
    case Action::meetingMode:
    case Action::musicMode:
        return switchMode(request.action, out, err);
    case Action::followCallsOn:
    case Action::followCallsOff:
        return setFollowCalls(request.action == Action::followCallsOn, out, err);
    case Action::invalid:
        err << build_config::appId << ": " << request.error << '\n'
            << "Try '" << build_config::appId << " --help'.\n";
        return usageErrorStatus;
    case Action::runApplication:
        break;
    }
    return usageErrorStatus;
}

int CommandLine::listDevices(std::ostream& out, std::ostream& err) {
    if (!soundServerAnswered(err)) {
        return 1;
    }
    auto& hardware = platform::Platform::audioHardware();
    printDevices(out, "Output devices:", hardware.outputDevices(), true);
    printDevices(out, "Input devices:", hardware.inputOnlyDevices(), true);
    return 0;
}

int CommandLine::switchMode(CommandLineRequest::Action mode, std::ostream& out, std::ostream& err) {
    if (!soundServerAnswered(err)) {
        return 1;
    }
    // A fresh process has no record yet; music mode relies on it.
    Audio::refreshSpeakerDevice();
    std::optional<AppManger::ModeSwitch> result;
    const auto finished = [&result](AppManger::ModeSwitch outcome) { result = outcome; };
    const bool meeting = mode == Action::meetingMode;
    {
        // The desktop program's log lines stay out of the command's output: it says what
        // changed in one line of its own.
        const auto logSink = platform::Log::setSink([](const std::string&) {});
        meeting ? AppManger::shared().switchToMeetingMode(finished)
                : AppManger::shared().switchToMusicMode(finished);
        platform::MainQueue::runUntil([&result] { return result.has_value(); }, modeSwitchLimit);
        platform::Log::setSink(logSink);
    }
    const auto fail = [&err](const std::string& why) {
        err << build_config::appId << ": " << why << '\n';
        return 1;
    };
    switch (result.value_or(AppManger::ModeSwitch::noAnswer)) {
    case AppManger::ModeSwitch::switched:
        if (const auto& defaults = AppManger::shared().requestedDefaults()) {
            out << summary(meeting, *defaults);
        }
        return 0;
    case AppManger::ModeSwitch::noSpeakerphone:
        return fail("no " + std::string(speakerNameMark) +
                    " speakerphone among the output devices; nothing was changed");
    case AppManger::ModeSwitch::refused:
        return fail("the sound server did not accept the new default devices; they may be "
                    "unchanged");
    case AppManger::ModeSwitch::deviceGone:
        return fail("a device went away before it could be chosen; the default devices may be "
                    "unchanged");
    case AppManger::ModeSwitch::noAnswer:
        return fail("the sound server did not answer in time; the default devices may be "
                    "unchanged");
    case AppManger::ModeSwitch::profileTimedOut:
        break;
    }
    return fail("the speakerphone's " + std::string(meeting ? "headset (microphone)" : "music") +
                " profile did not come up in time; the default devices may be unchanged");
}

int CommandLine::setFollowCalls(bool on, std::ostream& out, std::ostream& err) {
    if (!FollowCalls::setOn(on)) {
        err << build_config::appId << ": the setting could not be saved\n";
        return 1;
    }
    out << "Following calls: " << (on ? "on" : "off") << '\n';
    return 0;
}
