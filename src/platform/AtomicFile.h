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
    // False with a description in *error when nothing was replaced. The new file gets `mode`
    // as its permissions, by default those of the file it replaces, else 0644.
    static bool write(const std::filesystem::path& path, std::string_view contents,
                      std::string* error, std::optional<unsigned> mode = std::nullopt);
};

} // namespace platform
