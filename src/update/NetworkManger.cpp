#include "update/NetworkManger.h"

#include "core/LogLines.h"
#include "core/NotificationNames.h"
#include "core/ProcessState.h"
#include "net/DataRequest.h"
#include "net/JsonDecoder.h"
#include "platform/Bundle.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "platform/Platform.h"
#include "region/AppUtility.h"
#include "update/UpdateReply.h"

NetworkManger& NetworkManger::shared() {
    // Kept for the life of the process, as replies may arrive at any time.
    static auto* manager = new NetworkManger(net::HttpClient::shared(),
                                             platform::Platform::bundle().endpoints().updateServer);
    return *manager;
}

NetworkManger::NetworkManger(net::HttpClient& client, std::string updateServer)
    : client_(client), updateServer_(std::move(updateServer)) {}

NetworkManger::~NetworkManger() = default;

std::optional<std::string> NetworkManger::getVersionCode() {
    const auto version = platform::Platform::bundle().infoString("CFBundleVersion");
    if (!version) {
        return std::nullopt;
    }
    auto code = versionCodeFor(*version);
    if (!code) {
        platform::Log::line(std::string(log_lines::noVersionCodePrefix) + "\"" +
                            net::JsonDecoder::printable(*version) + "\"");
    }
    return code;
}

std::optional<std::string> NetworkManger::versionCodeFor(std::string_view version) {
    std::string joined;
    std::size_t start = 0;
    while (start <= version.size()) {
        const auto dot = std::min(version.find('.', start), version.size());
        const auto piece = version.substr(start, dot - start);
        start = dot + 1;
        if (piece.empty()) {
            continue;
        }
        const auto number = UpdateReply::readInteger(piece);
        if (!number || *number < 10) {
            joined += '0';
        }
        joined += piece;
    }
    // With no piece there is no first character to drop and no code to send.
    if (joined.empty()) {
        return std::nullopt;
    }
    return joined.substr(1) + "00";
}

std::string NetworkManger::packageName(const std::string& bundleIdentifier, bool forced,
                                       bool isGlobal) {
    std::string name = bundleIdentifier;
    if (forced) {
        name += ".forced";
    }
    if (!isGlobal) {
        name += ".cn";
    }
    return name;
}

std::string NetworkManger::queryUrl(const std::string& updateServer, const std::string& packageName,
                                    const std::string& versionCode) {
    return net::HttpClient::joinAddress(updateServer, "/tvservice_api/api/response.php") +
           "?packageName=" + packageName + "&versionCode=" + versionCode;
}

const net::HttpHeaders& NetworkManger::requestHeaders() {
    static const net::HttpHeaders headers{
        {"Action", "CheckAndroidVerInfo"},
        {"APIVersion", "1.0"},
        {"Language", "zh_cn"},
        {"Encoding-Type", "gzip"},
        {"Content-Type", "application/json"},
        {"Connection", "keep-Alive"},
    };
    return headers;
}

std::optional<std::pair<std::string, std::string>> NetworkManger::requestFacts(Check check) {
    auto versionCode = getVersionCode();
    if (!versionCode) {
        return std::nullopt;
    }
    const auto identifier = platform::Platform::bundle().infoString("CFBundleIdentifier");
    if (!identifier) {
        return std::nullopt;
    }
    return std::pair{std::move(*versionCode),
                     packageName(*identifier, check == Check::forced, isGlobalRegion)};
}

void NetworkManger::checkUpdate() {
    const auto facts = requestFacts(Check::normal);
    if (!facts) {
        return;
    }
    const auto& [versionCode, package] = *facts;
    const std::string url = queryUrl(updateServer_, package, versionCode);
    newVersionUrl.clear();
    newVersionName.clear();
    newVersionSha256.clear();
    platform::Log::line(std::string(log_lines::updateUrlPrefix) + url);
    send(url, versionCode, Check::normal);
}

void NetworkManger::checkForcedUpdate() {
    const auto facts = requestFacts(Check::forced);
    if (!facts) {
        return;
    }
    const auto& [versionCode, package] = *facts;
    const std::string url = queryUrl(updateServer_, package, versionCode);
    platform::Log::line(std::string(log_lines::forcedUpdateUrlPrefix) + url);
    send(url, versionCode, Check::forced);
}

void NetworkManger::send(const std::string& url, const std::string& versionCode, Check check) {
    std::weak_ptr<bool> alive = alive_;
    client_.request(url, requestHeaders())
        ->validate()
        .responseJSON(
            [this, alive, versionCode, check](const std::optional<nlohmann::json>& reply) {
                if (alive.expired()) {
                    return;
                }
                if (check == Check::forced) {
                    handleForcedReply(reply, versionCode);
                } else {
                    handleNormalReply(reply, versionCode);
                }
            });
}

void NetworkManger::handleNormalReply(const std::optional<nlohmann::json>& reply,
                                      const std::string& versionCode) {
    if (const auto offer = UpdateReply::evaluate(reply, versionCode)) {
        newVersionUrl = offer->downloadLink;
        newVersionName = offer->versionName;
        newVersionSha256 = offer->sha256;
        isForcedUpdate = false;
        platform::Log::line(std::string(log_lines::newVersionNamePrefix) +
                            net::JsonDecoder::printable(newVersionName));
    }
    checkForcedUpdate();
}

void NetworkManger::handleForcedReply(const std::optional<nlohmann::json>& reply,
                                      const std::string& versionCode) {
    platform::Log::line(reply ? net::JsonDecoder::describe(*reply)
                              : std::string(log_lines::noReplyValue));
    if (const auto offer = UpdateReply::evaluate(reply, versionCode)) {
        newVersionUrl = offer->downloadLink;
        newVersionSha256 = offer->sha256;
        isForcedUpdate = true;
    }
    platform::NotificationCenter::defaultCenter().post(notification_names::checkOTADown);
}
