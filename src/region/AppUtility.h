#pragma once

#include <QDateTime>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace net {
class HttpClient;
}

// Facts about the application and the machine.
class AppUtility {
public:
    // Asks the geolocation service where the user is, sets isGlobalRegion from the answer and
    // posts "getRegion" once the answer (or the failure) is in.
    static void requestRegion();
    // The same against the given service; the application passes its build-time settings.
    static void requestRegion(net::HttpClient& client, const std::string& serverBase,
                              const std::string& key);
    [[nodiscard]] static std::string geolocationUrl(const std::string& serverBase,
                                                    const std::string& key);
    // Logs the answer, updates isGlobalRegion and posts "getRegion".
    static void handleRegionReply(const std::string& url,
                                  const std::optional<nlohmann::json>& value);

    // The build version, or the empty text when the bundle has none.
    [[nodiscard]] static std::string getVersion();

    // The machine's model as its firmware names it; no value when none can be read.
    [[nodiscard]] static std::optional<std::string> getModel();
    // The first of the given files that holds a model name.
    [[nodiscard]] static std::optional<std::string>
    getModel(const std::vector<std::filesystem::path>& sources);
    // The text before the first NUL, without trailing white space; no value when that is
    // empty or not UTF-8.
    [[nodiscard]] static std::optional<std::string> modelFromBytes(std::string_view bytes);

    // Installation identifier: a 17-digit local time stamp (week-based year first) and a
    // zero-padded random number from 0 to 9998.
    [[nodiscard]] static std::string makeDeviceUniqueID();
    [[nodiscard]] static std::string makeDeviceUniqueID(const QDateTime& now, int randomNumber);

    // Stores the time of this update check under "lastCheckOTADate".
    static void saveLastCheckOTADate();
    static void saveLastCheckOTADate(const QDateTime& now);
};
