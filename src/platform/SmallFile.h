#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// Reads a small file of the user's (settings, records, desktop entries) without trusting what
// lies at its path: a FIFO never blocks the read, a folder or device is no file, and a huge file
// costs no more than its limit.
class SmallFile {
public:
    struct Contents {
        std::optional<std::string> bytes; // the whole file, when it was read
        bool missing = false;             // nothing at the path
        bool tooLarge = false;            // a regular file over the limit
        std::string problem;              // why there are no bytes, for a log line
    };

    [[nodiscard]] static Contents read(const std::filesystem::path& path, std::size_t limit);
};

} // namespace platform
