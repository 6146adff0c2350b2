#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// What the application knows about itself: identity, version and the servers it talks to
// from the build, and where its resources are.
class Bundle {
public:
    // Base addresses of the web services, and the geolocation service's key.
    struct Endpoints {
        std::string updateServer;
        std::string geolocationServer;
        std::string geolocationKey;
        std::string analyticsServerGlobal;
        std::string analyticsServerChina;
    };
    struct Contents {
        std::string identifier;
        std::optional<std::string> version;
        std::filesystem::path resourcesPath;
        std::vector<std::string> preferredLocalizations{"en"};
        Endpoints endpoints;
    };

    explicit Bundle(Contents contents) : contents_(std::move(contents)) {}

    // The running application's bundle: build-time identity, resources beside the executable.
    static Bundle forExecutable(const std::filesystem::path& executable);
    // Where the resources of an executable live: <prefix>/share/<app id> beside <prefix>/bin
    // unless the build chose other folders.
    static std::filesystem::path resourcesPathFor(const std::filesystem::path& executable);

    [[nodiscard]] const std::string& bundleIdentifier() const { return contents_.identifier; }
    // "CFBundleIdentifier" and "CFBundleVersion"; no value for other keys or when missing.
    [[nodiscard]] std::optional<std::string> infoString(const std::string& key) const;
    [[nodiscard]] const Endpoints& endpoints() const { return contents_.endpoints; }
    [[nodiscard]] const std::filesystem::path& resourcesPath() const {
        return contents_.resourcesPath;
    }
    // The resource file name.ext when it exists.
    [[nodiscard]] std::optional<std::filesystem::path> urlForResource(const std::string& name,
                                                                      const std::string& ext) const;
    [[nodiscard]] const std::vector<std::string>& preferredLocalizations() const {
        return contents_.preferredLocalizations;
    }
    void setPreferredLocalizations(std::vector<std::string> localizations) {
        contents_.preferredLocalizations = std::move(localizations);
    }

private:
    Contents contents_;
};

} // namespace platform
