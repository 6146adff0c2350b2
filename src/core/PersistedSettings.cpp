#include "core/PersistedSettings.h"

#include "core/DefaultsKeys.h"
#include "core/LogLines.h"
#include "platform/Bundle.h"
#include "platform/InstallationRecord.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"

#include <QCryptographicHash>
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

// The numbers the stored keys hold.
constexpr std::int64_t eulaAccepted = 1;
constexpr std::int64_t eulaNotAccepted = 0;

std::int64_t storedConsent(Consent answer) {
    switch (answer) {
    case Consent::agreed:
        return 1;
    case Consent::declined:
        return 2;
    case Consent::unanswered:
        break;
    }
    return 0;
}

Consent consentFromStored(std::int64_t stored) {
    switch (stored) {
    case 0:
        return Consent::unanswered;
    case 1:
        return Consent::agreed;
    default:
        return Consent::declined;
    }
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

// The installed build, where its resource is (another installation of the same build counts
// as new) and what the resource holds.
std::string installationFingerprint(const std::filesystem::path& resource,
                                    const std::vector<char>& contents) {
    const auto version = platform::Platform::bundle().infoString("CFBundleVersion");
    const auto digest = QCryptographicHash::hash(
        QByteArrayView(contents.data(), static_cast<qsizetype>(contents.size())),
        QCryptographicHash::Sha256);
    return "build " + version.value_or(std::string()) + "\nresource " + resource.string() +
           "\nsha256 " + digest.toHex().toStdString() + "\n";
}

bool storeHasAnswers() {
    return store().objectForKey(defaults_keys::eulaStatus).has_value() ||
           store().objectForKey(defaults_keys::checkPrivacyStatus).has_value();
}

} // namespace

bool PersistedSettings::getIsFirstLaunch() {
    return storedValue<bool>(defaults_keys::isFirstLaunch).value_or(true);
}

Consent PersistedSettings::getCheckPrivacyStatus() {
    const auto stored = storedValue<std::int64_t>(defaults_keys::checkPrivacyStatus);
    return stored ? consentFromStored(*stored) : Consent::unanswered;
}

bool PersistedSettings::getEULAStatus() {
    return storedValue<std::int64_t>(defaults_keys::eulaStatus) == eulaAccepted;
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

void PersistedSettings::setConsent(Consent answer) {
    store().setInteger(defaults_keys::checkPrivacyStatus, storedConsent(answer));
    store().synchronize();
}

void PersistedSettings::setEULAAccepted() {
    store().setInteger(defaults_keys::eulaStatus, eulaAccepted);
    store().synchronize();
}

void PersistedSettings::endFirstLaunch() {
    store().setBool(defaults_keys::isFirstLaunch, false);
    store().synchronize();
}

void PersistedSettings::setLastCheckOTADate(const QDateTime& checked) {
    store().setObject(defaults_keys::lastCheckOTADate,
                      checked.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString());
    store().synchronize();
}

void PersistedSettings::resetUserDefaults() {
    // Saved once, so that no start can find the answers half forgotten.
    store().setBool(defaults_keys::isFirstLaunch, true);
    store().setInteger(defaults_keys::checkPrivacyStatus, storedConsent(Consent::unanswered));
    store().setInteger(defaults_keys::eulaStatus, eulaNotAccepted);
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
    const auto plist = platform::PropertyList::parse(*data, &parseError);
    if (!plist) {
        logPlistError(parseError.description);
        return;
    }
    const bool firstLaunch = plist->isDictionary() && plist->size() > 0 &&
                             plist->boolValue(defaults_keys::isFirstLaunch) == true;
    const auto fingerprint = installationFingerprint(*resource, *data);
    const auto step = installationStep(firstLaunch, platform::InstallationRecord::read(),
                                       fingerprint, storeHasAnswers());
    if (step == InstallationStep::none) {
        return;
    }
    // The record is written first and the store reset only once that worked: a configuration
    // folder that cannot be written must not wipe the user's answers at every launch.
    if (!platform::InstallationRecord::write(fingerprint, &error)) {
        logPlistError(error);
        return;
    }
    if (step == InstallationStep::recordAndReset) {
        resetUserDefaults();
    }
}

PersistedSettings::InstallationStep
PersistedSettings::installationStep(bool resourceSaysFirstLaunch,
                                    const std::optional<std::string>& record,
                                    const std::string& fingerprint, bool storeHasAnswers) {
    if (!resourceSaysFirstLaunch || record == fingerprint) {
        return InstallationStep::none;
    }
    // A user who answered before records were kept keeps the answers.
    if (!record && storeHasAnswers) {
        return InstallationStep::record;
    }
    return InstallationStep::recordAndReset;
}
