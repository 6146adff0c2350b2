#pragma once

#include <cstdint>
#include <optional>
#include <string>

class QDateTime;

// The answer to the usage-statistics question.
enum class Consent : std::uint8_t { unanswered, agreed, declined };

// The facts the application keeps across runs, and the once-per-installation reset. The only
// code that reads or writes the stored answers, and the only one that knows their numbers.
class PersistedSettings {
public:
    [[nodiscard]] static bool getIsFirstLaunch();
    // A stored number other than those of the three answers was never an agreement: declined.
    [[nodiscard]] static Consent getCheckPrivacyStatus();
    // Whether the licence was accepted.
    [[nodiscard]] static bool getEULAStatus();
    [[nodiscard]] static std::string getLastCheckOTADate();
    // Made and stored on first use; survives resets.
    [[nodiscard]] static std::string getDeviceUniqueID();

    // Each setter saves the store at once.
    static void setConsent(Consent answer);
    static void setEULAAccepted();
    // The launch event of this installation was sent.
    static void endFirstLaunch();
    // Kept as local time, to the second.
    static void setLastCheckOTADate(const QDateTime& checked);

    // Installation identifier: a 17-digit local time stamp (week-based year first) and a
    // zero-padded random number from 0 to 9998.
    [[nodiscard]] static std::string makeDeviceUniqueID();
    [[nodiscard]] static std::string makeDeviceUniqueID(const QDateTime& now, int randomNumber);
    // Forgets the answers and the last check, in one save; the identifier stays.
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
