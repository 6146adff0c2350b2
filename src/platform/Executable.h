#pragma once

#include <filesystem>

namespace platform {

// The running program's own file, and handing the process over to another program.
class Executable {
public:
    // From /proc; falls back to the given name.
    [[nodiscard]] static std::filesystem::path current(const char* argv0);
    // Runs program in place of this process with the same arguments (argv[0] becomes its
    // path). Returns only when that fails, with the reason.
    [[nodiscard]] static std::string replaceProcess(const std::filesystem::path& program,
                                                    char** argv);
};

} // namespace platform
