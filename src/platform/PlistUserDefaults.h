#pragma once

#include "platform/UserDefaults.h"

#include <filesystem>
#include <memory>

namespace platform {

class PropertyList;

// User defaults kept as an XML property list file.
class PlistUserDefaults final : public UserDefaults {
public:
    // Loads the file if it exists. A file that cannot be parsed is moved aside (never deleted
    // or overwritten), one line says so, and the store starts empty.
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
};

} // namespace platform
