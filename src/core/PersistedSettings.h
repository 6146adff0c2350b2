#pragma once

#include <cstdint>
#include <optional>
#include <string>

class QDateTime;

// The facts the application keeps across runs, and the once-per-installation reset.
class PersistedSettings {
public:
    [[nodiscard]] static bool getIsFirstLaunch();
    // 0 unanswered, 1 agreed, 2 declined.
    [[nodiscard]] static std::int64_t getCheckPrivacyStatus();
    // 1 once the licence was accepted, else 0.
    [[nodiscard]] static std::int64_t getEULAStatus();
    [[nodiscard]] static std::string getLastCheckOTADate();
    // Made and stored on first use; survives resets.
    [[nodiscard]] static std::string getDeviceUniqueID();

    // Installation identifier: a 17-digit local time stamp (week-based year first) and a
    // zero-padded random number from 0 to 9998.
    [[nodiscard]] static std::string makeDeviceUniqueID();
    [[nodiscard]] static std::string makeDeviceUniqueID(const QDateTime& now, int randomNumber);
    static void resetUserDefaults();

    enum class InstallationStep {
        none,
        record,         // note the installation as seen, keep the answers
        recordAndReset, // note it, then reset the answers
    };
    // What a start does about the installation it runs from. resourceSaysFirstLaunch: its
    // UserDefault.plist holds isFirstLaunch = true; record: what this user's record holds (none
    // without one); storeHasAnswers: the store holds a licence or consent answer.
    [[nodiscard]] static InstallationStep installationStep(bool resourceSaysFirstLaunch,
                                                           const std::optional<std::string>& record,
                                                           const std::string& fingerprint,
                                                           bool storeHasAnswers);
    // Resets the store once per user for each installation whose UserDefault.plist says
    // isFirstLaunch = true. The resource is only read; the user's record notes what was seen.
    static void checkUserDefaultPlist();
};
