#pragma once

#include <string>
#include <string_view>

// The name an update is saved under in the user's Downloads folder. The version name comes
// from the update server, so it is made harmless: only letters, digits, '.', '-' and '_'
// stay (anything else becomes '_'), leading dots go and it is cut at 64 characters, so the
// file always lands in Downloads itself. The extension is the download link's own when it
// names a package type; any other (a script, a desktop entry) is dropped, so the file manager
// never offers to run what it highlights.
class DownloadFileName {
public:
    static constexpr std::string_view prefix = "Lumatix_Connection_Assistant_";
    static constexpr std::size_t versionLimit = 64;

    // copy > 0 gives the name of a further copy, "… (copy).deb", for when the plain name is
    // taken by a link or another user's file.
    [[nodiscard]] static std::string make(std::string_view versionName, std::string_view link,
                                          int copy = 0);
    [[nodiscard]] static std::string safeVersion(std::string_view versionName);
    // ".deb", ".rpm", ".AppImage", ".flatpak", ".tar.gz", ".tar.xz", ".tar.zst" or ".tar.bz2"
    // (any case in the link, this spelling in the name); empty for any other ending.
    [[nodiscard]] static std::string extensionOf(std::string_view link);
};
