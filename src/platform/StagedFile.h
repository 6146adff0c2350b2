#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace platform {

// A new file written under a temporary name beside its destination and put in place only when
// complete. The temporary file is created exclusively and never through a link; putting it in
// place never writes through a symbolic link nor replaces one, or another user's file: those
// keep their name and the file takes the next free alternative.
class StagedFile {
public:
    // Gives alternative n (1, 2, …) to the destination's name.
    using AlternativeName = std::function<std::filesystem::path(int n)>;

    // No file and a description in *error when the temporary file cannot be created.
    [[nodiscard]] static std::unique_ptr<StagedFile> create(std::filesystem::path destination,
                                                            std::string* error);
    // The temporary file goes unless it was put in place.
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // False with a description in *error on a short or failed write.
    bool write(std::string_view bytes, std::string* error);
    // Syncs the file and gives it the destination's name, or the first free alternative when
    // the destination may not be replaced. The name used, or none with *error.
    [[nodiscard]] std::optional<std::filesystem::path> place(const AlternativeName& alternative,
                                                             std::string* error);
    // Removes the temporary file now.
    void discard();

    [[nodiscard]] const std::filesystem::path& temporaryPath() const { return temporary_; }

    // An entry already at the destination may be replaced only when it is a regular file of
    // this user: renaming over a link or someone else's file is refused.
    [[nodiscard]] static bool mayReplace(mode_t mode, uid_t owner, uid_t user);
    // "name (n).ext": before the last extension, or before ".tar.<x>" for archives.
    [[nodiscard]] static std::filesystem::path numbered(const std::filesystem::path& path, int n);

private:
    StagedFile(std::filesystem::path destination, std::filesystem::path temporary, int fd);

    std::filesystem::path destination_;
    std::filesystem::path temporary_;
    int fd_ = -1;
};

} // namespace platform
