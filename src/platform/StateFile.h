#pragma once

#include "platform/UserState.h"

#include <cstddef>
#include <filesystem>

namespace platform {

// The user's state as a small text file of "key=value" lines, apart from the settings: it
// records what the programs noticed, not what the user chose. It is replaced whole, readable
// by its owner only. A file that is too large, not a regular file (a symbolic link put in its
// place, say) or not made of such lines is ignored with a line saying why, and replaced by the
// next write.
class StateFile final : public UserState {
public:
    // Far more than the few entries it holds.
    static constexpr std::size_t sizeLimit = 4096;

    explicit StateFile(std::filesystem::path file);

    // $XDG_STATE_HOME (or ~/.local/state) / <app id> / state
    [[nodiscard]] static std::filesystem::path defaultPath();

    [[nodiscard]] std::optional<std::string> value(const std::string& key) override;
    bool setValue(const std::string& key, const std::string& value) override;

private:
    bool dropPlantedLink(std::string* problem) const;
    std::filesystem::path file_;
};

} // namespace platform
