#pragma once

#include <string_view>

struct CommandLineRequest;

// The command users run. One-shot options are answered here without loading the desktop's
// libraries, which would cost more than the answer itself; anything else starts the desktop
// application, installed beside this program.
class CommandLineApplication {
public:
    static int run(int argc, char** argv);

    // The desktop application's file name, beside this program.
    static constexpr std::string_view desktopSuffix = "-desktop";

private:
    static int changeFollowCalls(const CommandLineRequest& request, int argc, char** argv);
};
