#include "core/PersistedSettings.h"

#include "platform/Bundle.h"
#include "support/CapturedLog.h"
#include "support/FileSizeLimit.h"
#include "support/PlatformDoubles.h"
#include "support/ScopedPlatform.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"

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
        EXPECT_EQ(PersistedSettings::getCheckPrivacyStatus(), 0);
        EXPECT_EQ(PersistedSettings::getEULAStatus(), 0);
        EXPECT_EQ(PersistedSettings::getLastCheckOTADate(), "");
        defaults.setObject("EULAStatus", "1");
        defaults.setBool("CheckPrivacyStatus", true);
        defaults.setInteger("isFirstLaunch", 0);
        defaults.setInteger("lastCheckOTADate", 20261130);
    }
}

// A stored identifier of the wrong type, or an empty one, is replaced once.
TEST_F(PersistedSettingsTest, InstallationIdentifierIsMadeOnce) {
    for (const bool empty : {false, true}) {
        empty ? defaults.setObject("DeviceUniqueID", "")
              : defaults.setInteger("DeviceUniqueID", 42);
        const std::string made = PersistedSettings::getDeviceUniqueID();
        EXPECT_EQ(made.size(), 21u);
        EXPECT_EQ(defaults.objectForKey("DeviceUniqueID"), DefaultsValue(made));
        const int writes = defaults.writes;
        EXPECT_EQ(PersistedSettings::getDeviceUniqueID(), made);
        EXPECT_EQ(defaults.writes, writes);
    }
}

// Only a readable resource saying this is a fresh installation resets the answers, and only
// once: the resource is marked first. Any other resource, or one that cannot be rewritten (a
// full disk), leaves the store, the resource and the folder alone, with a line if unreadable.
TEST_F(PersistedSettingsTest, OnlyAFreshInstallationsResourceResetsTheAnswersAndOnlyOnce) {
    const std::string fresh = resourceSaying("<true/>");
    const std::string error = "Error reading plist file: ";
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
             {fresh, error, true},
             {fresh, "", false}, // last: the next launch below finds it marked
         }) {
        log.clear();
        storeAnsweredUser();
        std::filesystem::remove(resource());
        if (contents) {
            writeFile(resource(), *contents);
        }
        const int writes = defaults.writes;
        const int flushes = defaults.synchronizations;
        {
            FileSizeLimit limit(diskFull ? 16 : RLIM_INFINITY);
            PersistedSettings::checkUserDefaultPlist();
        }
        const bool resets = contents == fresh && !diskFull;
        EXPECT_EQ(stored(), resets ? resetAnswers : answers) << line;
        EXPECT_EQ(defaults.writes, writes + (resets ? 4 : 0));
        EXPECT_EQ(defaults.synchronizations, flushes + (resets ? 4 : 0));
        const auto lines = log.lines();
        EXPECT_TRUE(line.empty() ? lines.empty() : lines.size() == 1 && lines[0].starts_with(line))
            << testing::PrintToString(lines);
        if (contents && !resets) {
            EXPECT_EQ(readFile(resource()), *contents);
        }
        // No temporary file beside the resource and the config folder.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.path()), {}),
                  contents ? 2 : 1);
    }
    storeAnsweredUser();
    PersistedSettings::checkUserDefaultPlist();
    EXPECT_EQ(stored(), answers);
    EXPECT_TRUE(log.lines().empty());
}

} // namespace
