#include "core/PersistedSettings.h"

#include "core/DefaultsKeys.h"
#include "core/LogLines.h"
#include "platform/AtomicFile.h"
#include "platform/Bundle.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

template <typename T>
std::optional<T> storedValue(const std::string& key) {
    const auto value = platform::Platform::userDefaults().objectForKey(key);
    if (value && std::holds_alternative<T>(*value)) {
        return std::get<T>(*value);
    }
    return std::nullopt;
}

platform::UserDefaults& store() {
    return platform::Platform::userDefaults();
}

void logPlistError(const std::string& description) {
    platform::Log::line(std::string(log_lines::plistErrorPrefix) + description);
}

std::optional<std::vector<char>> readWholeFile(const std::filesystem::path& path,
                                               std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "The file \"" + path.filename().string() + "\" couldn't be opened.";
        return std::nullopt;
    }
    std::vector<char> data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        *error = "The file \"" + path.filename().string() + "\" couldn't be read.";
        return std::nullopt;
    }
    return data;
}

} // namespace

bool PersistedSettings::getIsFirstLaunch() {
    return storedValue<bool>(defaults_keys::isFirstLaunch).value_or(true);
}

std::int64_t PersistedSettings::getCheckPrivacyStatus() {
    return storedValue<std::int64_t>(defaults_keys::checkPrivacyStatus).value_or(0);
}

std::int64_t PersistedSettings::getEULAStatus() {
    return storedValue<std::int64_t>(defaults_keys::eulaStatus).value_or(0);
}

std::string PersistedSettings::getLastCheckOTADate() {
    return storedValue<std::string>(defaults_keys::lastCheckOTADate).value_or(std::string());
}

std::string PersistedSettings::getDeviceUniqueID() {
    const auto stored = storedValue<std::string>(defaults_keys::deviceUniqueID);
    if (stored && !stored->empty()) {
        return *stored;
    }
    const auto identifier = makeDeviceUniqueID();
    store().setObject(defaults_keys::deviceUniqueID, identifier);
    store().synchronize();
    return identifier;
}

std::string PersistedSettings::makeDeviceUniqueID() {
    // 9999 possible values: the random part never reads 9999.
    const int randomNumber = static_cast<int>(QRandomGenerator::global()->bounded(9999));
    return makeDeviceUniqueID(QDateTime::currentDateTime(), randomNumber);
}

std::string PersistedSettings::makeDeviceUniqueID(const QDateTime& now, int randomNumber) {
    // The year is the ISO week-based one, which differs from the calendar year around
    // New Year; identifiers made elsewhere use that pattern too.
    int weekYear = 0;
    now.date().weekNumber(&weekYear);
    char year[16];
    std::snprintf(year, sizeof year, "%04d", weekYear);
    char random[16];
    std::snprintf(random, sizeof random, "%04d", randomNumber);
    return std::string(year) + now.toString("MMddHHmmsszzz").toStdString() + random;
}

void PersistedSettings::resetUserDefaults() {
    store().setBool(defaults_keys::isFirstLaunch, true);
    store().synchronize();
    store().setInteger(defaults_keys::checkPrivacyStatus, 0);
    store().synchronize();
    store().setInteger(defaults_keys::eulaStatus, 0);
    store().synchronize();
    store().setObject(defaults_keys::lastCheckOTADate, std::string());
    store().synchronize();
}

void PersistedSettings::checkUserDefaultPlist() {
    const auto resource = platform::Platform::bundle().urlForResource(
        defaults_keys::userDefaultPlistName, defaults_keys::userDefaultPlistExtension);
    if (!resource) {
        platform::Log::line(log_lines::plistMissing);
        return;
    }
    std::string error;
    const auto data = readWholeFile(*resource, &error);
    if (!data) {
        logPlistError(error);
        return;
    }
    platform::PropertyList::Error parseError;
    auto plist = platform::PropertyList::parse(*data, &parseError);
    if (!plist) {
        logPlistError(parseError.description);
        return;
    }
    if (!plist->isDictionary() || plist->size() == 0 ||
        plist->boolValue(defaults_keys::isFirstLaunch) != true) {
        return;
    }
    plist->setBool(defaults_keys::isFirstLaunch, false);
    platform::PropertyList::Error xmlError;
    const auto xml = plist->toXml(&xmlError);
    if (!xml) {
        logPlistError(xmlError.description);
        return;
    }
    // The resource is marked first and the store reset only once that worked: a resource
    // that cannot be rewritten must not wipe the user's answers at every launch.
    if (!platform::AtomicFile::write(*resource, *xml, &error)) {
        logPlistError(error);
        return;
    }
    resetUserDefaults();
}
