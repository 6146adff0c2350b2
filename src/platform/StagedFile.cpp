#include "platform/StagedFile.h"

#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

namespace fs = std::filesystem;

// Alternatives tried before giving up; a folder with this many stale copies needs a look.
constexpr int maxAlternatives = 100;

std::string describe(const std::string& what, const fs::path& path, int errorNumber) {
    return what + " " + path.string() + ": " + std::strerror(errorNumber);
}

std::string randomSuffix() {
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix;
    for (int i = 0; i < 8; ++i) {
        suffix += letters[QRandomGenerator::system()->bounded(int(sizeof(letters) - 1))];
    }
    return suffix;
}

// Moves `from` to `to` unless something, a dangling link included, is already at `to`.
bool moveWithoutReplacing(const fs::path& from, const fs::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
    // Filesystems without RENAME_NOREPLACE: a hard link fails on any existing entry too.
    if (::linkat(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), 0) != 0) {
        return false;
    }
    ::unlink(from.c_str());
    return true;
}

} // namespace

StagedFile::StagedFile(fs::path destination, fs::path temporary, int fd)
    : destination_(std::move(destination)), temporary_(std::move(temporary)), fd_(fd) {}

std::unique_ptr<StagedFile> StagedFile::create(fs::path destination, std::string* error) {
    const fs::path folder = destination.has_parent_path() ? destination.parent_path() : ".";
    for (int attempt = 0; attempt < maxAlternatives; ++attempt) {
        std::string name(".");
        name.append(destination.filename().string()).append(".part-").append(randomSuffix());
        const fs::path temporary = folder / name;
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            return std::unique_ptr<StagedFile>(
                new StagedFile(std::move(destination), temporary, fd));
        }
        if (errno != EEXIST) {
            *error = describe("cannot create a file in", folder, errno);
            return nullptr;
        }
    }
    *error = "no free temporary name in " + folder.string();
    return nullptr;
}

StagedFile::~StagedFile() {
    discard();
}

void StagedFile::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
        ::unlink(temporary_.c_str());
    }
}

bool StagedFile::write(std::string_view bytes, std::string* error) {
    while (!bytes.empty()) {
        if (fd_ < 0) {
            *error = "the file is closed";
            return false;
        }
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            *error = describe("cannot write", temporary_, written == 0 ? ENOSPC : errno);
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool StagedFile::mayReplace(mode_t mode, uid_t owner, uid_t user) {
    return S_ISREG(mode) && owner == user;
}

fs::path StagedFile::numbered(const fs::path& path, int n) {
    std::string name = path.filename().string();
    auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        if (const auto tar = name.rfind(".tar.", dot);
            tar != std::string::npos && tar > 0 && tar + 4 == dot) {
            dot = tar;
        }
    } else {
        dot = name.size();
    }
    name.insert(dot, " (" + std::to_string(n) + ")");
    return path.parent_path() / name;
}

std::optional<fs::path> StagedFile::place(const AlternativeName& alternative, std::string* error) {
    if (fd_ < 0) {
        *error = "the file is closed";
        return std::nullopt;
    }
    if (::fsync(fd_) != 0 || ::close(fd_) != 0) {
        *error = describe("cannot write", temporary_, errno);
        fd_ = -1;
        ::unlink(temporary_.c_str());
        return std::nullopt;
    }
    fd_ = -1;
    for (int n = 0; n <= maxAlternatives; ++n) {
        const fs::path target =
            n == 0 ? destination_ : (alternative ? alternative(n) : numbered(destination_, n));
        if (moveWithoutReplacing(temporary_, target)) {
            return target;
        }
        if (errno != EEXIST) {
            *error = describe("cannot move the file to", target, errno);
            break;
        }
        struct stat existing {};
        if (::lstat(target.c_str(), &existing) == 0 &&
            mayReplace(existing.st_mode, existing.st_uid, ::getuid()) &&
            ::rename(temporary_.c_str(), target.c_str()) == 0) {
            return target;
        }
        if (n == maxAlternatives) {
            *error = "no free name beside " + destination_.string();
        }
    }
    ::unlink(temporary_.c_str());
    return std::nullopt;
}

} // namespace platform
