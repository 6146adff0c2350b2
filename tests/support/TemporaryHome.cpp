#include "support/TemporaryHome.h"

#include <cstdlib>

TemporaryHome::TemporaryHome() {
    std::filesystem::create_directories(configHome());
    setEnv("XDG_CONFIG_HOME", configHome().string());
}

TemporaryHome::~TemporaryHome() {
    for (const auto& [name, value] : saved_) {
        if (value) {
            setenv(name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name.c_str());
        }
    }
}

std::filesystem::path TemporaryHome::path() const { return dir_.path().toStdString(); }

void TemporaryHome::setEnv(const std::string& name, const std::optional<std::string>& value) {
    if (!saved_.contains(name)) {
        const char* old = std::getenv(name.c_str());
        saved_[name] = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
    }
    if (value) {
        setenv(name.c_str(), value->c_str(), 1);
    } else {
        unsetenv(name.c_str());
    }
}
