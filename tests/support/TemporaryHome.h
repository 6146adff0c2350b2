#pragma once

#include <QTemporaryDir>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

// A fresh folder for one test, with XDG_CONFIG_HOME pointed into it; the previous
// environment comes back when it goes.
class TemporaryHome {
public:
    TemporaryHome();
    ~TemporaryHome();
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    [[nodiscard]] std::filesystem::path path() const;
    [[nodiscard]] std::filesystem::path configHome() const { return path() / "config"; }

    // Sets (or with no value unsets) a variable until this object goes.
    void setEnv(const std::string& name, const std::optional<std::string>& value);

private:
    QTemporaryDir dir_;
    std::map<std::string, std::optional<std::string>> saved_;
};
