#pragma once

#include <cstdint>
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
    // Resets the store once for a freshly installed bundle, whose UserDefault.plist says
    // isFirstLaunch = true, and marks the resource as seen.
    static void checkUserDefaultPlist();
};
