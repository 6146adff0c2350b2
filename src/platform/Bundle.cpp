#include "platform/Bundle.h"

#include "BuildConfig.h"

#include <system_error>

namespace platform {

Bundle Bundle::forExecutable(const std::filesystem::path& executable) {
    return Bundle(Contents{
        .identifier = std::string(build_config::bundleIdentifier),
        .version = std::string(build_config::buildVersion),
        .resourcesPath = resourcesPathFor(executable),
        .endpoints =
            {
                .updateServer = std::string(build_config::updateServer),
                .geolocationServer = std::string(build_config::geolocationServer),
                .geolocationKey = std::string(build_config::geolocationKey),
                .analyticsServerGlobal = std::string(build_config::analyticsServerGlobal),
                .analyticsServerChina = std::string(build_config::analyticsServerChina),
            },
    });
}

std::filesystem::path Bundle::resourcesPathFor(const std::filesystem::path& executable) {
    return (executable.parent_path() / std::string(build_config::resourcesFromExecutable))
        .lexically_normal();
}

std::optional<std::string> Bundle::infoString(const std::string& key) const {
    if (key == "CFBundleIdentifier") {
        return contents_.identifier;
    }
    if (key == "CFBundleVersion") {
        return contents_.version;
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> Bundle::urlForResource(const std::string& name,
                                                            const std::string& ext) const {
    const auto path = contents_.resourcesPath / (name + "." + ext);
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) {
        return path;
    }
    return std::nullopt;
}

} // namespace platform
