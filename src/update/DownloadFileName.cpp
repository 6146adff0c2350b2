#include "update/DownloadFileName.h"

#include <algorithm>
#include <cctype>

namespace {

// Longer than any real package's; a file name must stay within the system's limit.
constexpr std::size_t extensionLimit = 16;

bool isSafe(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '-' || c == '_';
}

// The last path segment: no scheme, host, query or fragment.
std::string_view lastSegment(std::string_view link) {
    link = link.substr(0, link.find_first_of("?#"));
    if (const auto scheme = link.find("://"); scheme != std::string_view::npos) {
        link.remove_prefix(scheme + 3);
        const auto path = link.find('/');
        link = path == std::string_view::npos ? std::string_view() : link.substr(path);
    }
    const auto slash = link.rfind('/');
    return slash == std::string_view::npos ? link : link.substr(slash + 1);
}

} // namespace

std::string DownloadFileName::safeVersion(std::string_view versionName) {
    std::string safe;
    for (const char c : versionName) {
        safe += isSafe(c) ? c : '_';
    }
    safe.erase(0, safe.find_first_not_of('.'));
    if (safe.size() > versionLimit) {
        safe.resize(versionLimit);
    }
    return safe;
}

std::string DownloadFileName::extensionOf(std::string_view link) {
    const std::string_view name = lastSegment(link);
    // Compressed archives keep both parts.
    for (const std::string_view archive : {".tar.gz", ".tar.xz", ".tar.bz2", ".tar.zst"}) {
        if (name.size() > archive.size() && name.ends_with(archive)) {
            return std::string(archive);
        }
    }
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size()) {
        return {};
    }
    const std::string_view extension = name.substr(dot);
    if (extension.size() > extensionLimit ||
        !std::all_of(extension.begin() + 1, extension.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; })) {
        return {};
    }
    return std::string(extension);
}

std::string DownloadFileName::make(std::string_view versionName, std::string_view link) {
    return std::string(prefix) + safeVersion(versionName) + extensionOf(link);
}
