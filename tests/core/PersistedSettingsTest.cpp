#include "core/PersistedSettings.h"

#include "platform/Bundle.h"
#include "platform/InstallationRecord.h"
#include "support/CapturedLog.h"
#include "support/FileSizeLimit.h"
#include "support/PlatformDoubles.h"
#include "support/ScopedPlatform.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using platform::DefaultsValue;
using I = std::int64_t;
using Values = std::vector<std::optional<DefaultsValue>>;

std::string resourceSaying(const std::string& value) {
    return R"(<?xml version="1.0" encoding="UTF-8"?><plist version="1.0"><dict>)"
           "<key>isFirstLaunch</key>" +
           value + "<key>Vendor</key><string>Lumatix</string></dict></plist>\n";
}

class PersistedSettingsTest : public ::testing::Test {
protected:
    std::filesystem::path resource() const { return home.path() / "UserDefault.plist"; }
    static std::size_t filesBesideTheRecord() {
        return filesIn(platform::InstallationRecord::path().parent_path()).size();
    }
    void storeAnsweredUser() {
        defaults.setBool("isFirstLaunch", false);
        defaults.setInteger("CheckPrivacyStatus", 1);
        defaults.setInteger("EULAStatus", 1);
        defaults.setObject("lastCheckOTADate", "2026-11-30 08:15:00");
        defaults.setObject("DeviceUniqueID", "202611300815000001234");
    }
    // The answers as stored, each with its type, and the identifier.
    Values stored() const {
        Values values;
        for (const char* key : {"isFirstLaunch", "CheckPrivacyStatus", "EULAStatus",
                                "lastCheckOTADate", "DeviceUniqueID"}) {
            values.push_back(defaults.objectForKey(key));
        }
        return values;
    }
    const Values answers{false, I{1}, I{1}, "2026-11-30 08:15:00", "202611300815000001234"};
    const Values resetAnswers{true, I{0}, I{0}, std::string(), "202611300815000001234"};

    TemporaryHome home;
    MemoryUserDefaults defaults;
    platform::Bundle bundle{{.identifier = "com.lumatix.test", .resourcesPath = home.path()}};
    ScopedPlatform scoped{{.userDefaults = &defaults, .bundle = &bundle}};
    CapturedLog log;
};

TEST_F(PersistedSettingsTest, ReadersFallBackForMissingOrMistypedValues) {
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(PersistedSettings::getIsFirstLaunch());
        EXPECT_EQ(PersistedSettings::getCheckPrivacyStatus(), Consent::unanswered);
        EXPECT_FALSE(PersistedSettings::getEULAStatus());
        EXPECT_EQ(PersistedSettings::getLastCheckOTADate(), "");
        defaults.setObject("EULAStatus", "1");
        defaults.setBool("CheckPrivacyStatus", true);
        defaults.setInteger("isFirstLaunch", 0);
        defaults.setInteger("lastCheckOTADate", 20261130);
    }
}

// Each answer is saved at once as earlier versions wrote it; an unknown number is no agreement.
TEST_F(PersistedSettingsTest, AnswersAreStoredAsTheNumbersEarlierVersionsRead) {
    const std::optional<DefaultsValue> none;
    for (const auto& [answer, expected] : std::vector<std::pair<std::function<void()>, Values>>{
             {[] { PersistedSettings::setEULAAccepted(); }, {none, none, I{1}, none, none}},
             {[] { PersistedSettings::setConsent(Consent::declined); },
              {none, I{2}, I{1}, none, none}},
             {[] { PersistedSettings::setConsent(Consent::agreed); },
              {none, I{1}, I{1}, none, none}},
             {[] { PersistedSettings::endFirstLaunch(); }, {false, I{1}, I{1}, none, none}},
         }) {
        const int flushes = defaults.synchronizations;
        answer();
        EXPECT_EQ(stored(), expected);
        EXPECT_EQ(defaults.synchronizations, flushes + 1);
    }
    defaults.setInteger("CheckPrivacyStatus", 3);
    EXPECT_EQ(PersistedSettings::getCheckPrivacyStatus(), Consent::declined);
}

// A stored identifier of the wrong type, or an empty one, is replaced once.
TEST_F(PersistedSettingsTest, InstallationIdentifierIsMadeOnce) {
    for (const bool empty : {false, true}) {
        empty ? defaults.setObject("DeviceUniqueID", "")
              : defaults.setInteger("DeviceUniqueID", 42);
        const std::string made = PersistedSettings::getDeviceUniqueID();
        EXPECT_EQ(defaults.objectForKey("DeviceUniqueID"), DefaultsValue(made));
        const int writes = defaults.writes;
        EXPECT_EQ(PersistedSettings::getDeviceUniqueID(), made);
        EXPECT_EQ(defaults.writes, writes);
    }
}

// Cases the starts below cannot tell apart: no answers but seen, and an empty record.
TEST(InstallationStepTest, OnlyTheRecordOfThisInstallationSparesTheAnswers) {
    using Step = PersistedSettings::InstallationStep;
    EXPECT_EQ(PersistedSettings::installationStep(true, "this", "this", false), Step::none);
    EXPECT_EQ(PersistedSettings::installationStep(true, "", "this", true), Step::recordAndReset);
}

// Only a readable resource marking a fresh installation, with the record written, resets the
// answers; anything else changes nothing and logs a line when something failed.
TEST_F(PersistedSettingsTest, AnUnmarkedOrUnusableResourceOrAnUnwritableRecordChangesNothing) {
    const std::string error = "Error reading plist file: ";
    const std::string olderRecord = "an older installation\n";
    writeFile(platform::InstallationRecord::path(), olderRecord);
    // The resource (none: missing), how the one line starts (empty: no line), a full disk.
    for (const auto& [contents, line, diskFull] :
         std::vector<std::tuple<std::optional<std::string>, std::string, bool>>{
             {resourceSaying("<false/>"), "", false},
             {resourceSaying("<integer>1</integer>"), "", false},
             {R"(<?xml version="1.0"?><plist version="1.0"><array><true/></array></plist>)", "",
              false},
             {std::nullopt, "Error reading plist file.", false},
             {"", error, false},
             {"<plist><dict><key>isFirst", error, false},
             {std::string("bplist00\xff\x01", 10), error, false},
             {resourceSaying("<true/>"), error, true},
         }) {
        log.clear();
        storeAnsweredUser();
        std::filesystem::remove(resource());
        if (contents) {
            writeFile(resource(), *contents);
        }
        const int writes = defaults.writes;
        {
            FileSizeLimit limit(diskFull ? 16 : RLIM_INFINITY);
            PersistedSettings::checkUserDefaultPlist();
        }
        EXPECT_EQ(stored(), answers) << line;
        EXPECT_EQ(defaults.writes, writes);
        const auto lines = log.lines();
        EXPECT_TRUE(line.empty() ? lines.empty() : lines.size() == 1 && lines[0].starts_with(line))
            << testing::PrintToString(lines);
        EXPECT_EQ(readFile(platform::InstallationRecord::path()), olderRecord);
        if (contents) {
            EXPECT_EQ(readFile(resource()), *contents);
        }
        EXPECT_EQ(filesBesideTheRecord(), 1u);
    }
}

// From a read-only installation, each user is reset once per installation (another build or
// place), and the resource is never written.
TEST_F(PersistedSettingsTest, EachUserIsResetOncePerInstallation) {
    const std::string fresh = resourceSaying("<true/>");
    const auto installed = home.path() / "share";
    writeFile(installed / "UserDefault.plist", fresh);
    // As a system-wide installation is for its users.
    std::filesystem::permissions(installed / "UserDefault.plist", std::filesystem::perms(0444));
    std::filesystem::permissions(installed, std::filesystem::perms(0555));
    const auto install = [this](const std::string& version, const std::filesystem::path& where) {
        bundle = platform::Bundle({.version = version, .resourcesPath = where});
    };
    install("1.0.3", installed);
    int start = 0;
    // What changes before the start, whether it resets the answers.
    for (const auto& [change, resets] : std::vector<std::tuple<std::function<void()>, bool>>{
             {[] {}, false}, // answered before records were kept
             {[] {}, false}, // the next start
             {[&] { install("1.0.4", installed); }, true},
             {[] {}, false},
             {[&] {
                  writeFile(home.path() / "other" / "UserDefault.plist", fresh);
                  install("1.0.4", home.path() / "other");
              },
              true},
             {[this] { // another user, who has not answered yet
                  home.setEnv("XDG_CONFIG_HOME", (home.path() / "config2").string());
                  defaults = MemoryUserDefaults();
                  defaults.setObject("DeviceUniqueID", "202611300815000001234");
              },
              true},
             {[] {}, false},
         }) {
        SCOPED_TRACE(testing::Message() << "start " << ++start);
        storeAnsweredUser();
        change();
        const int writes = defaults.writes;
        const int flushes = defaults.synchronizations;
        PersistedSettings::checkUserDefaultPlist();
        EXPECT_EQ(stored(), resets ? resetAnswers : answers);
        EXPECT_EQ(defaults.writes - writes, resets ? 4 : 0);
        EXPECT_EQ(defaults.synchronizations - flushes, resets ? 1 : 0);
        EXPECT_TRUE(log.lines().empty()) << testing::PrintToString(log.lines());
        EXPECT_TRUE(platform::InstallationRecord::read());
        EXPECT_EQ(filesBesideTheRecord(), 1u);
        EXPECT_EQ(readFile(installed / "UserDefault.plist"), fresh);
        EXPECT_EQ(filesIn(installed).size(), 1u);
    }
    std::filesystem::permissions(installed, std::filesystem::perms(0755));
}

} // namespace
