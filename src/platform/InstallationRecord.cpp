#include "platform/InstallationRecord.h"

#include "platform/AtomicFile.h"
#include "platform/PlistUserDefaults.h"
#include "platform/SmallFile.h"

#include <utility>

namespace platform {

std::filesystem::path InstallationRecord::path() {
    return PlistUserDefaults::defaultPath().parent_path() / "installation";
}

std::optional<std::string> InstallationRecord::read() {
    // A record is a few lines; anything else at its path is no record.
    return SmallFile::read(path(), 64 * 1024).bytes;
}

bool InstallationRecord::write(std::string_view text, std::string* error) {
    const auto file = path();
    return AtomicFile::createFolders(file.parent_path(), error) &&
           AtomicFile::write(file, text, error);
}

} // namespace platform
