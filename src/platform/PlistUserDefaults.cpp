#include "platform/PlistUserDefaults.h"

#include "BuildConfig.h"
#include "platform/AtomicFile.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/SmallFile.h"
#include "platform/XdgBaseDirectory.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace platform {
namespace {

namespace fs = std::filesystem;

// Moves the file to the first free name; RENAME_NOREPLACE keeps a name that turns up between
// the check and the move from being overwritten.
std::optional<fs::path> moveAside(const fs::path& file, std::string* problem) {
    const auto stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const auto base = file.filename().string() + ".corrupt-" + stamp.toStdString();
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        const auto candidate =
            file.parent_path() / (attempt == 1 ? base : base + "-" + std::to_string(attempt));
        if (::renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, candidate.c_str(), RENAME_NOREPLACE) ==
            0) {
            return candidate;
        }
        if (errno == EEXIST) {
            continue;
        }
        if (errno != EINVAL && errno != ENOSYS) {
            *problem = std::strerror(errno);
            return std::nullopt;
        }
        // Filesystems without RENAME_NOREPLACE: check first, accepting the small race.
        std::error_code error;
        if (fs::exists(candidate, error) || error) {
            continue;
        }
        fs::rename(file, candidate, error);
        if (error) {
            *problem = error.message();
            return std::nullopt;
        }
        return candidate;
    }
    *problem = "no free name to move it to";
    return std::nullopt;
}

// The bytes go to a temporary file in the same folder that is synced and then renamed over
// the old one, so a crash or a full disk never leaves a half-written settings file.
std::optional<std::string> writeAtomically(const fs::path& file, const std::string& bytes) {
    std::string problem;
    if (const auto folder = AtomicFile::writeTarget(file).parent_path();
        !folder.empty() && !AtomicFile::createFolders(folder, &problem)) {
        return problem;
    }
    if (!AtomicFile::write(file, bytes, &problem)) {
        return problem;
    }
    return std::nullopt;
}

} // namespace

PlistUserDefaults::PlistUserDefaults(std::filesystem::path file)
    : file_(std::move(file)), contents_(std::make_unique<PropertyList>()) {
    const auto read = SmallFile::read(file_, PropertyList::maxBytes);
    if (read.missing) {
        return; // first run
    }
    std::string problem = read.problem;
    if (!read.bytes && !read.tooLarge) {
        // The answers in it may be fine: never move it aside nor write over it.
        keepFile_ = true;
        Log::line("Settings file " + file_.string() + " cannot be read (" + problem +
                  "); running with settings in memory and leaving the file as it is");
        return;
    }
    if (read.bytes) {
        PropertyList::Error parseError;
        if (auto parsed = PropertyList::parse(
                std::vector<char>(read.bytes->begin(), read.bytes->end()), &parseError)) {
            if (parsed->isDictionary()) {
                *contents_ = std::move(*parsed);
                return;
            }
            problem = "its root is not a dictionary";
        } else {
            problem = parseError.description;
        }
    }
    std::string moveProblem;
    if (const auto movedTo = moveAside(file_, &moveProblem)) {
        Log::line("Settings file " + file_.string() + " is unusable (" + problem +
                  "); moved it to " + movedTo->string() + " and started with empty settings");
    } else {
        keepFile_ = true;
        Log::line("Settings file " + file_.string() + " is unusable (" + problem +
                  ") and could not be moved aside (" + moveProblem +
                  "); started with empty settings and leaving the file as it is");
    }
}

PlistUserDefaults::~PlistUserDefaults() = default;

std::filesystem::path PlistUserDefaults::defaultPath() {
    return XdgBaseDirectory::configHome() / std::string(build_config::appId) /
           (std::string(build_config::bundleIdentifier) + ".plist");
}

std::optional<DefaultsValue> PlistUserDefaults::objectForKey(const std::string& key) const {
    if (const auto value = contents_->boolValue(key)) {
        return *value;
    }
    if (const auto value = contents_->integerValue(key)) {
        return *value;
    }
    if (auto value = contents_->stringValue(key)) {
        return std::move(*value);
    }
    return std::nullopt;
}

void PlistUserDefaults::setBool(const std::string& key, bool value) {
    contents_->setBool(key, value);
}

void PlistUserDefaults::setInteger(const std::string& key, std::int64_t value) {
    contents_->setInteger(key, value);
}

void PlistUserDefaults::setObject(const std::string& key, const std::string& value) {
    contents_->setString(key, value);
}

void PlistUserDefaults::removeObject(const std::string& key) {
    contents_->remove(key);
}

bool PlistUserDefaults::synchronize() {
    if (keepFile_) {
        Log::line("Settings not saved to " + file_.string() +
                  ": the file there could not be read or set aside, so it is left as it is");
        return false;
    }
    PropertyList::Error error;
    const auto xml = contents_->toXml(&error);
    if (!xml) {
        Log::line("Could not save settings to " + file_.string() + ": " + error.description);
        return false;
    }
    if (const auto problem = writeAtomically(file_, *xml)) {
        Log::line("Could not save settings to " + file_.string() + ": " + *problem);
        return false;
    }
    return true;
}

} // namespace platform
