#pragma once

#include <filesystem>

namespace platform {

// The user's folders and the desktop's file manager.
class FileManager {
public:
    virtual ~FileManager() = default;

    // Where the user keeps downloads; the home folder when there is no such folder.
    [[nodiscard]] virtual std::filesystem::path downloadsFolder() const = 0;
    // Shows the file in the file manager, selected where it can be, else its folder.
    virtual void revealFile(const std::filesystem::path& file) = 0;
};

} // namespace platform
