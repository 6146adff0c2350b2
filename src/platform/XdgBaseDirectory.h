#pragma once

#include <filesystem>

namespace platform {

// The per-user base folders of the XDG base directory rules.
class XdgBaseDirectory {
public:
    // $XDG_CONFIG_HOME, else ~/.config.
    [[nodiscard]] static std::filesystem::path configHome();
    // $XDG_STATE_HOME, else ~/.local/state.
    [[nodiscard]] static std::filesystem::path stateHome();
    // $XDG_CACHE_HOME, else ~/.cache.
    [[nodiscard]] static std::filesystem::path cacheHome();

private:
    // The variable's folder; a relative or empty value is invalid and ignored, and the
    // fallback below the home folder counts instead.
    static std::filesystem::path folder(const char* variable, const char* belowHome);
};

} // namespace platform
