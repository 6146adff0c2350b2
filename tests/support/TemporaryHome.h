#pragma once

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

// A fresh folder for one test, with XDG_CONFIG_HOME and XDG_STATE_HOME pointed into it;
// every variable set through it gets its previous value back when it goes.
class TemporaryHome {
public:
    TemporaryHome() {
        std::filesystem::create_directories(path() / "config");
        setEnv("XDG_CONFIG_HOME", (path() / "config").string());
        setEnv("XDG_STATE_HOME", (path() / "state").string());
    }
    ~TemporaryHome() {
        for (const auto& [name, value] : saved_) {
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
        }
    }

    [[nodiscard]] std::filesystem::path path() const { return dir_.path().toStdString(); }

    // Sets (or with no value unsets) a variable until this object goes.
    void setEnv(const std::string& name, const std::optional<std::string>& value) {
        const char* old = std::getenv(name.c_str());
        saved_.try_emplace(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
        value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }

private:
    QTemporaryDir dir_; // not copyable, and so neither is this
    std::map<std::string, std::optional<std::string>> saved_;
};
