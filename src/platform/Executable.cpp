#include "platform/Executable.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>

namespace platform {

std::filesystem::path Executable::current(const char* argv0) {
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        return path;
    }
    return std::filesystem::absolute(argv0 != nullptr ? argv0 : "", error);
}

std::string Executable::replaceProcess(const std::filesystem::path& program, char** argv) {
    std::string path = program.string();
    argv[0] = path.data();
    execv(path.c_str(), argv);
    return std::strerror(errno);
}

} // namespace platform
