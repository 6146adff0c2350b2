#include "platform/StateFile.h"

#include "BuildConfig.h"
#include "platform/AtomicFile.h"
#include "platform/Log.h"
#include "platform/XdgBaseDirectory.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {
namespace {

namespace fs = std::filesystem;
using Entries = std::map<std::string, std::string, std::less<>>;

// The entries of the file's text; none when a line is not "key=value".
std::optional<Entries> parse(std::string_view text, std::string* problem) {
    Entries entries;
    for (int number = 1; !text.empty(); ++number) {
        const auto end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty()) {
            continue;
        }
        const auto equals = line.find('=');
        if (equals == 0 || equals == std::string_view::npos ||
            line.find('\0') != std::string_view::npos) {
            *problem = "line " + std::to_string(number) + " is not key=value";
            return std::nullopt;
        }
        entries.insert_or_assign(std::string(line.substr(0, equals)),
                                 std::string(line.substr(equals + 1)));
    }
    return entries;
}

// No entries when there is no file yet; none, with the reason, when it cannot be used.
std::optional<Entries> read(const fs::path& file, std::string* problem) {
    // Never through a symbolic link, and never waiting on a pipe put in the file's place.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT) {
            return Entries{};
        }
        *problem = errno == ELOOP ? "it is a symbolic link" : std::strerror(errno);
        return std::nullopt;
    }
    struct stat info {};
    std::string text;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        *problem = "it is not a regular file";
    } else {
        // One byte past the limit tells a file that is too large.
        text.resize(StateFile::sizeLimit + 1);
        std::size_t filled = 0;
        while (filled < text.size()) {
            const ssize_t got = ::read(fd, text.data() + filled, text.size() - filled);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                *problem = std::strerror(errno);
                break;
            }
            if (got == 0) {
                break;
            }
            filled += static_cast<std::size_t>(got);
        }
        text.resize(filled);
        if (filled > StateFile::sizeLimit) {
            *problem = "it is larger than " + std::to_string(StateFile::sizeLimit) + " bytes";
        }
    }
    ::close(fd);
    return problem->empty() ? parse(text, problem) : std::nullopt;
}

std::optional<Entries> readOrSayWhy(const fs::path& file) {
    std::string problem;
    auto entries = read(file, &problem);
    if (!entries) {
        Log::line("State file " + file.string() + " is unusable (" + problem + "); ignoring it");
    }
    return entries;
}

// Missing folders are made for their owner only, as the XDG folders are meant to be.
bool createFolders(const fs::path& folder, std::string* problem) {
    fs::path made;
    for (const auto& part : folder) {
        made /= part;
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) {
            *problem = "cannot create the folder " + made.string() + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

} // namespace

StateFile::StateFile(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path StateFile::defaultPath() {
    return XdgBaseDirectory::stateHome() / std::string(build_config::appId) / "state";
}

std::optional<std::string> StateFile::value(const std::string& key) {
    const auto entries = readOrSayWhy(file_);
    if (!entries) {
        return std::nullopt;
    }
    const auto found = entries->find(key);
    return found != entries->end() ? std::optional(found->second) : std::nullopt;
}

// Nobody but the assistant links its state anywhere: a link found there was planted, and the
// write replaces it instead of going through it.
bool StateFile::dropPlantedLink(std::string* problem) const {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(file_, error))) {
        return true;
    }
    if (!std::filesystem::remove(file_, error)) {
        *problem = "cannot remove the link in its place: " + error.message();
        return false;
    }
    return true;
}

bool StateFile::setValue(const std::string& key, const std::string& value) {
    std::string problem;
    if (value.find_first_of(std::string_view("\n\r\0", 3)) != std::string::npos) {
        problem = "the value for " + key + " is not one line";
    } else {
        // An unusable file is replaced: what it held cannot be read anyway.
        auto entries = readOrSayWhy(file_).value_or(Entries{});
        if (const auto found = entries.find(key);
            found != entries.end() && found->second == value) {
            return true;
        }
        entries.insert_or_assign(key, value);
        std::string text;
        for (const auto& [name, stored] : entries) {
            text.append(name).append("=").append(stored).append("\n");
        }
        if (text.size() > sizeLimit) {
            problem = "it would be larger than " + std::to_string(sizeLimit) + " bytes";
        } else if (createFolders(file_.parent_path(), &problem) && dropPlantedLink(&problem) &&
                   AtomicFile::write(file_, text, &problem, 0600)) {
            return true;
        }
    }
    Log::line("Could not save state to " + file_.string() + ": " + problem);
    return false;
}

} // namespace platform
