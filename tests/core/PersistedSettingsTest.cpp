#include "core/PersistedSettings.h"

#include "platform/Bundle.h"
#include "support/CapturedLog.h"
#include "support/FileSizeLimit.h"
#include "support/PlatformDoubles.h"
#include "support/ScopedPlatform.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using platform::DefaultsValue;
using namespace ::testing;
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

TEST_F(PersistedSettingsTest, InstallationIdentifierIsMadeOnceAndSurvivesResets) {
    // A stored identifier of the wrong type is replaced.
    defaults.setInteger("DeviceUniqueID", 42);
    const std::string made = PersistedSettings::getDeviceUniqueID();
    EXPECT_EQ(made.size(), 21u);
    EXPECT_EQ(defaults.objectForKey("DeviceUniqueID"), DefaultsValue(made));
    const int writes = defaults.writeCount();
    EXPECT_EQ(PersistedSettings::getDeviceUniqueID(), made);
    EXPECT_EQ(defaults.writeCount(), writes);
    PersistedSettings::resetUserDefaults();
    EXPECT_EQ(PersistedSettings::getDeviceUniqueID(), made);
}

// Only a readable resource saying this is a fresh installation resets the answers, and only
// once: the resource is marked first. Any other resource, or one that cannot be rewritten (a
// full disk), leaves the store, the resource and the folder alone, with a line if unreadable.
TEST_F(PersistedSettingsTest, OnlyAFreshInstallationsResourceResetsTheAnswersAndOnlyOnce) {
    struct Case {
        std::optional<std::string> contents;
        std::string line;
        bool diskFull = false;
    };
    const std::string fresh = resourceSaying("<true/>");
    for (const Case& c : std::vector<Case>{
             {resourceSaying("<false/>"), ""},
             {resourceSaying("<integer>1</integer>"), ""},
             {R"(<?xml version="1.0"?><plist version="1.0"><array><true/></array></plist>)", ""},
             {std::nullopt, "Error reading plist file."},
             {"", "Error reading plist file: "},
             {"<plist><dict><key>isFirst", "Error reading plist file: "},
             {std::string("bplist00\xff\x01", 10), "Error reading plist file: "},
             {fresh, "Error reading plist file: ", true},
             {fresh, ""}, // last: the next launch below finds it marked
         }) {
        log.clear();
        storeAnsweredUser();
        std::filesystem::remove(resource());
        if (c.contents) {
            writeFile(resource(), *c.contents);
        }
        const int writes = defaults.writeCount();
        const int flushes = defaults.synchronizeCount();
        {
            FileSizeLimit limit(c.diskFull ? 16 : RLIM_INFINITY);
            PersistedSettings::checkUserDefaultPlist();
        }
        const bool resets = c.contents == fresh && !c.diskFull;
        EXPECT_EQ(stored(), resets ? resetAnswers : answers) << c.line;
        EXPECT_EQ(defaults.writeCount(), writes + (resets ? 4 : 0));
        EXPECT_EQ(defaults.synchronizeCount(), flushes + (resets ? 4 : 0));
        const auto lines = log.lines();
        EXPECT_TRUE(c.line.empty() ? lines.empty()
                                   : lines.size() == 1 && lines[0].starts_with(c.line))
            << PrintToString(lines);
        if (c.contents && !resets) {
            EXPECT_EQ(readFile(resource()), *c.contents);
        }
        // No temporary file beside the resource and the config folder.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.path()), {}),
                  c.contents ? 2 : 1);
    }
    EXPECT_THAT(readFile(resource()),
                AllOf(HasSubstr("<false/>"), HasSubstr("<string>Lumatix</string>")));
    storeAnsweredUser();
    PersistedSettings::checkUserDefaultPlist();
    EXPECT_EQ(stored(), answers);
    EXPECT_TRUE(log.lines().empty());
}

} // namespace
