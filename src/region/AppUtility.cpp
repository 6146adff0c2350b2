#include "region/AppUtility.h"

#include "core/LogLines.h"
#include "core/NotificationNames.h"
#include "core/PersistedSettings.h"
#include "core/ProcessState.h"
#include "net/DataRequest.h"
#include "net/HttpClient.h"
#include "net/JsonDecoder.h"
#include "platform/Bundle.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "platform/Platform.h"
#include "region/RegionReply.h"

#include <QStringDecoder>
#include <cctype>
#include <fstream>

namespace {

// Firmware model names are short; anything past this is not one.
constexpr std::size_t maxModelBytes = 4096;

} // namespace

void AppUtility::requestRegion() {
    const auto& endpoints = platform::Platform::bundle().endpoints();
    requestRegion(net::HttpClient::shared(), endpoints.geolocationServer, endpoints.geolocationKey);
}

void AppUtility::requestRegion(net::HttpClient& client, const std::string& serverBase,
                               const std::string& key) {
    const std::string url = geolocationUrl(serverBase, key);
    client.request(url)
        ->validate(std::vector<std::string>{"application/json"})
        .responseJSON(
            [url](const std::optional<nlohmann::json>& value) { handleRegionReply(url, value); });
}

std::string AppUtility::geolocationUrl(const std::string& serverBase, const std::string& key) {
    return net::HttpClient::joinAddress(serverBase, "/json/") + "?key=" + key;
}

void AppUtility::handleRegionReply(const std::string& url,
                                   const std::optional<nlohmann::json>& value) {
    // The reply also locates the user (address, city, coordinates): only its country is logged,
    // and never the access key.
    const auto code = RegionReply::countryCode(value);
    platform::Log::line(net::HttpClient::redactedForLog(url) +
                        std::string(log_lines::regionResponseSeparator) +
                        std::string(!value ? log_lines::regionResponseEmpty
                                    : code ? log_lines::regionResponseReceived
                                           : log_lines::regionResponseWithoutCountry));
    if (code) {
        platform::Log::line(std::string(log_lines::countryCodePrefix) +
                            net::JsonDecoder::printable(*code));
        isGlobalRegion = RegionReply::isGlobalFor(*code);
    }
    platform::NotificationCenter::defaultCenter().post(notification_names::getRegion);
}

std::string AppUtility::getVersion() {
    return platform::Platform::bundle().infoString("CFBundleVersion").value_or(std::string());
}

std::optional<std::string> AppUtility::getModel() {
    return getModel({"/sys/class/dmi/id/product_name", "/proc/device-tree/model"});
}

std::optional<std::string> AppUtility::getModel(const std::vector<std::filesystem::path>& sources) {
    for (const auto& source : sources) {
        std::ifstream in(source, std::ios::binary);
        if (!in) {
            continue;
        }
        std::string bytes(maxModelBytes, '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        if (auto model = modelFromBytes(bytes)) {
            return model;
        }
    }
    return std::nullopt;
}

std::optional<std::string> AppUtility::modelFromBytes(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    while (!bytes.empty() && std::isspace(static_cast<unsigned char>(bytes.back())) != 0) {
        bytes.remove_suffix(1);
    }
    if (bytes.empty()) {
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf8.hasError()) {
        return std::nullopt;
    }
    return text.toStdString();
}

std::string AppUtility::makeDeviceUniqueID() {
    return PersistedSettings::makeDeviceUniqueID();
}

std::string AppUtility::makeDeviceUniqueID(const QDateTime& now, int randomNumber) {
    return PersistedSettings::makeDeviceUniqueID(now, randomNumber);
}

void AppUtility::saveLastCheckOTADate() {
    saveLastCheckOTADate(QDateTime::currentDateTime());
}

void AppUtility::saveLastCheckOTADate(const QDateTime& now) {
    PersistedSettings::setLastCheckOTADate(now);
}
