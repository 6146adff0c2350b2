#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

std::string describe(const std::string& what, const std::filesystem::path& path, int errorNumber) {
    return what + " " + path.string() + ": " + std::strerror(errorNumber);
}

bool writeAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Links followed before giving up, as the kernel does.
constexpr int maxLinkHops = 40;

// A writer holds a lock on its temporary file until it is renamed; the kernel drops it when
// the writer dies. A temporary file of this target that can be locked is therefore left over
// from a killed writer and goes, so that crashes do not pile files up beside the settings.
void removeLeftovers(const std::filesystem::path& folder, const std::string& prefix) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != prefix.size() + 6 || !name.starts_with(prefix) ||
            !entry.is_regular_file(error) || entry.is_symlink(error)) {
            continue;
        }
        const int fd = ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlink(entry.path().c_str());
        }
        ::close(fd);
    }
}

} // namespace

std::filesystem::path AtomicFile::writeTarget(const std::filesystem::path& path) {
    std::filesystem::path target = path;
    for (int hop = 0; hop < maxLinkHops; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, error)) || error) {
            return target;
        }
        const auto next = std::filesystem::read_symlink(target, error);
        if (error) {
            return target;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

bool AtomicFile::createFolders(const std::filesystem::path& folder, std::string* error) {
    std::filesystem::path partial;
    for (const auto& piece : folder) {
        partial /= piece;
        if (partial == partial.root_path() || piece == "." || piece == "..") {
            continue;
        }
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
            *error = describe("Cannot create the folder", partial, errno);
            return false;
        }
    }
    return true;
}

bool AtomicFile::write(const std::filesystem::path& linkOrPath, std::string_view contents,
                       std::string* error, std::optional<unsigned> mode) {
    // A rename over a link would replace the link with a plain file.
    const auto path = writeTarget(linkOrPath);
    const auto folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    // Distinct enough that no file of the user's is ever taken for a leftover. (Appended piece
    // by piece: GCC 12 warns wrongly about "." + string in optimised builds.)
    std::string prefix(".");
    prefix.append(path.filename().string()).append(".tmp-");
    removeLeftovers(folder, prefix);
    std::string temporary = (folder / prefix).string() + "XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        *error = describe("Cannot create a temporary file for", path, errno);
        return false;
    }
    ::flock(fd, LOCK_EX);
    if (!mode) {
        struct stat existing {};
        mode = ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0600;
    }
    ::fchmod(fd, static_cast<mode_t>(*mode));

    const bool written = writeAll(fd, contents) && ::fsync(fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        *error = describe("Cannot write", path, written ? errno : writeError);
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        *error = describe("Cannot replace", path, errno);
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

} // namespace platform
