#pragma once

#include <string>
#include <string_view>

// The name an update is saved under in the user's Downloads folder. The version name comes
// from the update server, so it is made harmless: only letters, digits, '.', '-' and '_'
// stay (anything else becomes '_'), leading dots go and it is cut at 64 characters, so the
// file always lands in Downloads itself. The extension is the download link's own.
class DownloadFileName {
public:
    static constexpr std::string_view prefix = "Lumatix_Connection_Assistant_";
    static constexpr std::size_t versionLimit = 64;

    [[nodiscard]] static std::string make(std::string_view versionName, std::string_view link);
    [[nodiscard]] static std::string safeVersion(std::string_view versionName);
    // ".deb", ".AppImage", ".tar.gz"; empty when the link's last path segment has none.
    [[nodiscard]] static std::string extensionOf(std::string_view link);
};
