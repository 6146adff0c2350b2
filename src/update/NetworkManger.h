#pragma once

#include "net/HttpClient.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

// Asks the update server, in a normal and then a forced request, whether a newer version
// exists, and posts "CheckOTADown" once the forced reply is in.
class NetworkManger {
public:
    // The application's client, against the build-time update server.
    static NetworkManger& shared();
    // Against another server; replies arriving after destruction are ignored.
    NetworkManger(net::HttpClient& client, std::string updateServer);
    ~NetworkManger();
    NetworkManger(const NetworkManger&) = delete;
    NetworkManger& operator=(const NetworkManger&) = delete;

    void checkUpdate();
    void checkForcedUpdate();

    // The version code of the bundle's version; no value without one.
    [[nodiscard]] static std::optional<std::string> getVersionCode();
    // "1.0.3" gives "1000300": each piece below 10 (or not a number) gets a leading "0", the
    // first character goes, "00" is appended. No value for a version without pieces.
    [[nodiscard]] static std::optional<std::string> versionCodeFor(std::string_view version);
    [[nodiscard]] static std::string packageName(const std::string& bundleIdentifier, bool forced,
                                                 bool isGlobal);
    // Plain concatenation: the pieces are build-time values, nothing is encoded.
    [[nodiscard]] static std::string queryUrl(const std::string& updateServer,
                                              const std::string& packageName,
                                              const std::string& versionCode);
    [[nodiscard]] static const net::HttpHeaders& requestHeaders();

    void handleNormalReply(const std::optional<nlohmann::json>& reply,
                           const std::string& versionCode);
    void handleForcedReply(const std::optional<nlohmann::json>& reply,
                           const std::string& versionCode);

    // Download link of the version on offer; empty when none is.
    std::string newVersionUrl;
    // Version name of the version on offer (normal check only).
    std::string newVersionName;
    // SHA-256 of the package on offer; empty when the server sent none.
    std::string newVersionSha256;

private:
    // The two checks ask for different packages and handle their replies apart.
    enum class Check { normal, forced };

    // The request's version code and package name, or nothing when the bundle lacks them.
    [[nodiscard]] std::optional<std::pair<std::string, std::string>> requestFacts(Check check);
    void send(const std::string& url, const std::string& versionCode, Check check);

    net::HttpClient& client_;
    std::string updateServer_;
    // Replies hold this weakly, so a client that is gone is not touched.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
