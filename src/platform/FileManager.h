#pragma once

#include <filesystem>

namespace platform {

// The user's folders and the desktop's file manager.
class FileManager {
public:
    // The XDG Downloads folder; the home folder when the user has none.
    [[nodiscard]] static std::filesystem::path downloadsFolder();
    // Opens the file manager with the file selected (FileManager1's ShowItems over D-Bus);
    // without one that answers, opens the folder that holds it.
    static void revealFile(const std::filesystem::path& file);
};

} // namespace platform
