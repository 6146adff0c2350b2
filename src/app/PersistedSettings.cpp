#include "app/PersistedSettings.h"

#include "app/DefaultsKeys.h"
#include "app/LogLines.h"
#include "platform/AtomicFile.h"
#include "platform/Bundle.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "region/AppUtility.h"

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
    const auto identifier = AppUtility::makeDeviceUniqueID();
    store().setObject(defaults_keys::deviceUniqueID, identifier);
    store().synchronize();
    return identifier;
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
