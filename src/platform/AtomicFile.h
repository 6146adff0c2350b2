#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Replaces a file's contents all at once: written to a temporary file beside it, synced,
// then renamed over it. A crash or a full disk leaves either the old or the new contents,
// never a mix. (QSaveFile is not enough: it commits a short write as success.)
class AtomicFile {
public:
    // False with a description in *error when nothing was replaced. A new file gets `mode`,
    // by default readable by its user alone (0600); an existing one keeps its mode unless
    // `mode` is given. When the path is a symbolic link (a dotfile manager's), the file it
    // leads to is replaced and the link stays.
    static bool write(const std::filesystem::path& path, std::string_view contents,
                      std::string* error, std::optional<unsigned> mode = std::nullopt);
    // Creates the missing folders of a path, each readable by its user alone (0700); false
    // with a description in *error.
    static bool createFolders(const std::filesystem::path& folder, std::string* error);
    // Where a write to path lands: path itself, or the end of its chain of symbolic links.
    [[nodiscard]] static std::filesystem::path writeTarget(const std::filesystem::path& path);
};

} // namespace platform
