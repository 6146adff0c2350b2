#include "platform/SmallFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

SmallFile::Contents SmallFile::read(const std::filesystem::path& path, std::size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return {.missing = errno == ENOENT, .problem = std::strerror(errno)};
    }
    Contents contents;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        contents.problem = std::strerror(errno);
    } else if (S_ISDIR(info.st_mode)) {
        contents.problem = std::strerror(EISDIR);
    } else if (!S_ISREG(info.st_mode)) {
        contents.problem = "it is not a regular file";
    } else {
        // One byte more than the limit tells a file that grew since fstat.
        std::string bytes(limit + 1, '\0');
        std::size_t filled = 0;
        while (filled < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                if (got < 0) {
                    contents.problem = std::strerror(errno);
                }
                break;
            }
            filled += static_cast<std::size_t>(got);
        }
        if (contents.problem.empty() && filled > limit) {
            contents.tooLarge = true;
            contents.problem = "it is larger than " + std::to_string(limit) + " bytes";
        } else if (contents.problem.empty()) {
            bytes.resize(filled);
            contents.bytes = std::move(bytes);
        }
    }
    ::close(fd);
    return contents;
}

} // namespace platform
