#pragma once

#include "platform/FileManager.h"

namespace platform {

// The XDG user folders and the freedesktop file manager interface.
class XdgFileManager final : public FileManager {
public:
    // The XDG Downloads folder; the home folder when the user has none.
    [[nodiscard]] std::filesystem::path downloadsFolder() const override;
    // FileManager1's ShowItems over D-Bus; without a file manager that answers, opens the
    // folder that holds the file.
    void revealFile(const std::filesystem::path& file) override;
};

} // namespace platform
