#include "platform/XdgBaseDirectory.h"

#include <QDir>
#include <QFile>
#include <cstdlib>

namespace platform {

std::filesystem::path XdgBaseDirectory::configHome() {
    return folder("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path XdgBaseDirectory::stateHome() {
    return folder("XDG_STATE_HOME", ".local/state");
}

std::filesystem::path XdgBaseDirectory::cacheHome() {
    return folder("XDG_CACHE_HOME", ".cache");
}

std::filesystem::path XdgBaseDirectory::folder(const char* variable, const char* belowHome) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0' && std::filesystem::path(value).is_absolute()) {
        return value;
    }
    return std::filesystem::path(QFile::encodeName(QDir::homePath()).toStdString()) / belowHome;
}

} // namespace platform
