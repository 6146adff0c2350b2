#pragma once

#include "platform/UserDefaults.h"

#include <filesystem>
#include <memory>

namespace platform {

class PropertyList;

// User defaults kept as an XML property list file.
class PlistUserDefaults final : public UserDefaults {
public:
    // Loads the file if it exists (through a symbolic link too). A file that cannot be parsed,
    // or is larger or deeper than a store can be, is moved aside (never deleted or
    // overwritten), one line says so, and the store starts empty. A file that cannot be read
    // (no permission, an I/O error, a folder in its place) is kept: the store then runs in
    // memory and never writes over it.
    explicit PlistUserDefaults(std::filesystem::path file);
    ~PlistUserDefaults() override;

    // $XDG_CONFIG_HOME (or ~/.config) / <app id> / <bundle identifier>.plist
    static std::filesystem::path defaultPath();

    [[nodiscard]] std::optional<DefaultsValue> objectForKey(const std::string& key) const override;
    void setBool(const std::string& key, bool value) override;
    void setInteger(const std::string& key, std::int64_t value) override;
    void setObject(const std::string& key, const std::string& value) override;
    void removeObject(const std::string& key) override;
    bool synchronize() override;

    [[nodiscard]] const std::filesystem::path& path() const { return file_; }

private:
    std::filesystem::path file_;
    std::unique_ptr<PropertyList> contents_;
    // Set when the file on disk must not be replaced.
    bool keepFile_ = false;
};

} // namespace platform
