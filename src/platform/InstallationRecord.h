#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Which installation of the application this user last started: a small text file in the
// user's configuration folder, beside the settings store. The installed resources are shared
// by every user and may be read-only, so this is kept per user instead.
class InstallationRecord {
public:
    // <folder of the settings store>/installation
    [[nodiscard]] static std::filesystem::path path();
    // The recorded text; none when there is no record or it cannot be read.
    [[nodiscard]] static std::optional<std::string> read();
    // Creates the folder when needed and replaces the record all at once; false with a
    // description in *error when nothing was written.
    static bool write(std::string_view text, std::string* error);
};

} // namespace platform
