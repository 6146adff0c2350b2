#include "update/DownloadFileName.h"

#include <algorithm>
#include <cctype>

namespace {

// The package types an update comes as, in the spelling the saved name uses.
constexpr std::string_view packageTypes[] = {".deb",    ".rpm",    ".AppImage", ".flatpak",
                                             ".tar.gz", ".tar.xz", ".tar.zst",  ".tar.bz2"};

bool isSafe(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '-' || c == '_';
}

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() > suffix.size() &&
           std::equal(suffix.rbegin(), suffix.rend(), text.rbegin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
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
    for (const std::string_view type : packageTypes) {
        if (endsWithIgnoringCase(name, type)) {
            return std::string(type);
        }
    }
    return {};
}

std::string DownloadFileName::make(std::string_view versionName, std::string_view link, int copy) {
    return std::string(prefix) + safeVersion(versionName) +
           (copy > 0 ? " (" + std::to_string(copy) + ")" : std::string()) + extensionOf(link);
}
