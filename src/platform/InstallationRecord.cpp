#include "platform/InstallationRecord.h"

#include "platform/AtomicFile.h"
#include "platform/PlistUserDefaults.h"

#include <fstream>
#include <iterator>
#include <utility>

namespace platform {

std::filesystem::path InstallationRecord::path() {
    return PlistUserDefaults::defaultPath().parent_path() / "installation";
}

std::optional<std::string> InstallationRecord::read() {
    std::ifstream in(path(), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return in.bad() ? std::nullopt : std::optional(std::move(text));
}

bool InstallationRecord::write(std::string_view text, std::string* error) {
    const auto file = path();
    return AtomicFile::createFolders(file.parent_path(), error) &&
           AtomicFile::write(file, text, error);
}

} // namespace platform
