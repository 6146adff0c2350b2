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
    bool answeredUserKept() const {
        return !PersistedSettings::getIsFirstLaunch() &&
               PersistedSettings::getCheckPrivacyStatus() == 1 &&
               PersistedSettings::getEULAStatus() == 1 &&
               PersistedSettings::getLastCheckOTADate() == "2026-11-30 08:15:00";
    }

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

TEST_F(PersistedSettingsTest, FreshInstallationResetsEverythingButTheIdentifierOnce) {
    storeAnsweredUser();
    writeFile(resource(), resourceSaying("<true/>"));
    const int flushes = defaults.synchronizeCount();
    PersistedSettings::checkUserDefaultPlist();
    EXPECT_EQ(defaults.objectForKey("isFirstLaunch"), DefaultsValue(true));
    EXPECT_EQ(defaults.objectForKey("CheckPrivacyStatus"), DefaultsValue(std::int64_t{0}));
    EXPECT_EQ(defaults.objectForKey("EULAStatus"), DefaultsValue(std::int64_t{0}));
    EXPECT_EQ(defaults.objectForKey("lastCheckOTADate"), DefaultsValue(std::string()));
    EXPECT_EQ(defaults.objectForKey("DeviceUniqueID"), DefaultsValue("202611300815000001234"));
    EXPECT_EQ(defaults.synchronizeCount(), flushes + 4);
    const std::string rewritten = readFile(resource());
    EXPECT_EQ(rewritten.find("<true/>"), std::string::npos);
    EXPECT_NE(rewritten.find("<false/>"), std::string::npos);
    EXPECT_NE(rewritten.find("<string>Lumatix</string>"), std::string::npos);
    EXPECT_TRUE(log.lines().empty());
    storeAnsweredUser();
    PersistedSettings::checkUserDefaultPlist();
    EXPECT_TRUE(answeredUserKept());
}

TEST_F(PersistedSettingsTest, AnyOtherResourceLeavesTheStoreAlone) {
    struct Case {
        std::optional<std::string> contents;
        std::string line;
    };
    for (const Case& c : std::vector<Case>{
             {resourceSaying("<false/>"), ""},
             {resourceSaying("<integer>1</integer>"), ""},
             {R"(<?xml version="1.0"?><plist version="1.0"><array><true/></array></plist>)", ""},
             {std::nullopt, "Error reading plist file."},
             {"", "Error reading plist file: "},
             {"<plist><dict><key>isFirst", "Error reading plist file: "},
             {std::string("bplist00\xff\x01", 10), "Error reading plist file: "},
         }) {
        log.clear();
        storeAnsweredUser();
        std::filesystem::remove(resource());
        if (c.contents) {
            writeFile(resource(), *c.contents);
        }
        const int writes = defaults.writeCount();
        PersistedSettings::checkUserDefaultPlist();
        EXPECT_EQ(defaults.writeCount(), writes);
        EXPECT_EQ(log.lines().size(), c.line.empty() ? 0u : 1u);
        if (!c.line.empty() && !log.lines().empty()) {
            EXPECT_TRUE(log.lines()[0].starts_with(c.line)) << log.lines()[0];
        }
        if (c.contents) {
            EXPECT_EQ(readFile(resource()), *c.contents);
        }
    }
}

// A resource that cannot be rewritten (a full disk) must not cost the user the licence
// acceptance and consent at every launch, nor leave a half-written file.
TEST_F(PersistedSettingsTest, ResourceThatCannotBeRewrittenKeepsTheStore) {
    storeAnsweredUser();
    writeFile(resource(), resourceSaying("<true/>"));
    {
        FileSizeLimit fullDisk(16);
        PersistedSettings::checkUserDefaultPlist();
    }
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_TRUE(log.lines()[0].starts_with("Error reading plist file: "));
    EXPECT_TRUE(answeredUserKept());
    EXPECT_EQ(readFile(resource()), resourceSaying("<true/>"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.path()),
                            std::filesystem::directory_iterator()),
              2); // the resource and the config folder
}

} // namespace
