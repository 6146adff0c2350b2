#pragma once

#include <ostream>
#include <string>
#include <vector>

// What the command line asks for. The one-shot commands run without a display and without
// handing over to a running instance.
struct CommandLineRequest {
    enum class Action {
        runApplication,
        listDevices,
        meetingMode,
        musicMode,
        followCallsOn,
        followCallsOff,
        version,
        help,
        invalid
    };

    Action action = Action::runApplication;
    std::string error; // for invalid

    [[nodiscard]] bool changesFollowCalls() const {
        return action == Action::followCallsOn || action == Action::followCallsOff;
    }
    // Whether answering needs the sound server; the others answer at once without it.
    [[nodiscard]] bool needsSoundServer() const {
        return action == Action::listDevices || action == Action::meetingMode ||
               action == Action::musicMode;
    }
};

class CommandLine {
public:
    static constexpr int usageErrorStatus = 2;

    [[nodiscard]] static CommandLineRequest parse(const std::vector<std::string>& arguments);
    // Runs a one-shot command and returns the exit status.
    static int run(const CommandLineRequest& request, std::ostream& out, std::ostream& err);
    [[nodiscard]] static std::string usage();

private:
    static int listDevices(std::ostream& out, std::ostream& err);
    static int setFollowCalls(bool on, std::ostream& out, std::ostream& err);
    static int switchMode(CommandLineRequest::Action mode, std::ostream& out, std::ostream& err);
};
