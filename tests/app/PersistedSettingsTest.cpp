#include "app/PersistedSettings.h"

#include "platform/Bundle.h"
#include "platform/MemoryUserDefaults.h"
#include "support/CapturedLog.h"
#include "support/FileSizeLimit.h"
#include "support/ScopedPlatform.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using platform::DefaultsValue;

namespace {

const char* const plistWithFirstLaunch = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
	<key>isFirstLaunch</key>
	<%s/>
	<key>Vendor</key>
	<string>Lumatix</string>
</dict>
</plist>
)";

std::string plistSaying(const char* value) {
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, plistWithFirstLaunch, value);
    return buffer;
}

class PersistedSettingsTest : public ::testing::Test {
protected:
    std::filesystem::path resource() const { return home.path() / "UserDefault.plist"; }

    void writeResource(const std::string& contents) const { writeFile(resource(), contents); }
    std::string readResource() const { return readFile(resource()); }

    void storeAnsweredUser() {
        defaults.setBool("isFirstLaunch", false);
        defaults.setInteger("CheckPrivacyStatus", 1);
        defaults.setInteger("EULAStatus", 1);
        defaults.setObject("lastCheckOTADate", "2026-11-30 08:15:00");
        defaults.setObject("DeviceUniqueID", "202611300815000001234");
    }

    void expectAnsweredUserKept() const {
        EXPECT_FALSE(PersistedSettings::getIsFirstLaunch());
        EXPECT_EQ(PersistedSettings::getCheckPrivacyStatus(), 1);
        EXPECT_EQ(PersistedSettings::getEULAStatus(), 1);
        EXPECT_EQ(PersistedSettings::getLastCheckOTADate(), "2026-11-30 08:15:00");
    }

    TemporaryHome home;
    platform::MemoryUserDefaults defaults;
    platform::Bundle bundle{{.identifier = "com.lumatix.test", .resourcesPath = home.path()}};
    ScopedPlatform scoped{{.userDefaults = &defaults, .bundle = &bundle}};
    CapturedLog log;
};

TEST_F(PersistedSettingsTest, EmptyStoreReadsAsANewUser) {
    EXPECT_TRUE(PersistedSettings::getIsFirstLaunch());
    EXPECT_EQ(PersistedSettings::getCheckPrivacyStatus(), 0);
    EXPECT_EQ(PersistedSettings::getEULAStatus(), 0);
    EXPECT_EQ(PersistedSettings::getLastCheckOTADate(), "");
    EXPECT_EQ(defaults.writeCount(), 0);
}

TEST_F(PersistedSettingsTest, ValuesOfAnotherTypeReadAsAbsent) {
    defaults.setObject("EULAStatus", "1");
    defaults.setBool("CheckPrivacyStatus", true);
    defaults.setInteger("isFirstLaunch", 0);
    defaults.setInteger("lastCheckOTADate", 20261130);
    EXPECT_EQ(PersistedSettings::getEULAStatus(), 0);
    EXPECT_EQ(PersistedSettings::getCheckPrivacyStatus(), 0);
    EXPECT_TRUE(PersistedSettings::getIsFirstLaunch());
    EXPECT_EQ(PersistedSettings::getLastCheckOTADate(), "");
}

TEST_F(PersistedSettingsTest, InstallationIdentifierIsMadeOnceAndKept) {
    const std::string first = PersistedSettings::getDeviceUniqueID();
    const int writesAfterFirst = defaults.writeCount();
    EXPECT_EQ(first.size(), 21u);
    EXPECT_EQ(PersistedSettings::getDeviceUniqueID(), first);
    EXPECT_EQ(defaults.writeCount(), writesAfterFirst);
    EXPECT_EQ(defaults.synchronizeCount(), 1);

    PersistedSettings::resetUserDefaults();
    EXPECT_EQ(PersistedSettings::getDeviceUniqueID(), first);
}

TEST_F(PersistedSettingsTest, EmptyOrMistypedIdentifierIsReplaced) {
    defaults.setObject("DeviceUniqueID", "");
    EXPECT_EQ(PersistedSettings::getDeviceUniqueID().size(), 21u);
    defaults.setInteger("DeviceUniqueID", 42);
    const auto replaced = PersistedSettings::getDeviceUniqueID();
    EXPECT_EQ(replaced.size(), 21u);
    EXPECT_EQ(defaults.objectForKey("DeviceUniqueID"), DefaultsValue(replaced));
}

TEST_F(PersistedSettingsTest, ResetStoresEveryValueAndFlushesEachWrite) {
    storeAnsweredUser();
    const int before = defaults.synchronizeCount();
    PersistedSettings::resetUserDefaults();
    EXPECT_EQ(defaults.objectForKey("isFirstLaunch"), DefaultsValue(true));
    EXPECT_EQ(defaults.objectForKey("CheckPrivacyStatus"), DefaultsValue(std::int64_t{0}));
    EXPECT_EQ(defaults.objectForKey("EULAStatus"), DefaultsValue(std::int64_t{0}));
    // A stored empty text, not a removal.
    EXPECT_EQ(defaults.objectForKey("lastCheckOTADate"), DefaultsValue(std::string()));
    EXPECT_EQ(defaults.synchronizeCount(), before + 4);
}

TEST_F(PersistedSettingsTest, FreshInstallationResetsOnceAndMarksTheResource) {
    storeAnsweredUser();
    writeResource(plistSaying("true"));

    PersistedSettings::checkUserDefaultPlist();
    EXPECT_TRUE(PersistedSettings::getIsFirstLaunch());
    EXPECT_EQ(PersistedSettings::getCheckPrivacyStatus(), 0);
    EXPECT_EQ(PersistedSettings::getEULAStatus(), 0);
    EXPECT_EQ(PersistedSettings::getLastCheckOTADate(), "");
    EXPECT_EQ(defaults.objectForKey("DeviceUniqueID"), DefaultsValue("202611300815000001234"));
    const std::string rewritten = readResource();
    EXPECT_NE(rewritten.find("<false/>"), std::string::npos);
    EXPECT_EQ(rewritten.find("<true/>"), std::string::npos);
    EXPECT_NE(rewritten.find("<string>Lumatix</string>"), std::string::npos);
    EXPECT_TRUE(log.lines().empty());

    storeAnsweredUser();
    PersistedSettings::checkUserDefaultPlist();
    expectAnsweredUserKept();
    EXPECT_EQ(readResource(), rewritten);
}

TEST_F(PersistedSettingsTest, ResourceWithoutAFreshMarkChangesNothingSilently) {
    const std::vector<std::string> resources{
        plistSaying("false"),
        R"(<?xml version="1.0"?><plist version="1.0"><dict><key>Other</key><true/></dict></plist>)",
        R"(<?xml version="1.0"?><plist version="1.0"><array><true/></array></plist>)",
        R"(<?xml version="1.0"?><plist version="1.0"><dict/></plist>)",
        R"(<?xml version="1.0"?><plist version="1.0"><dict><key>isFirstLaunch</key><string>true</string></dict></plist>)",
        R"(<?xml version="1.0"?><plist version="1.0"><dict><key>isFirstLaunch</key><integer>1</integer></dict></plist>)",
    };
    for (const auto& contents : resources) {
        storeAnsweredUser();
        writeResource(contents);
        const int writes = defaults.writeCount();
        PersistedSettings::checkUserDefaultPlist();
        EXPECT_EQ(defaults.writeCount(), writes) << contents;
        EXPECT_EQ(readResource(), contents);
    }
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(PersistedSettingsTest, MissingResourceSaysSoOnce) {
    storeAnsweredUser();
    const int writes = defaults.writeCount();
    PersistedSettings::checkUserDefaultPlist();
    EXPECT_EQ(log.lines(), std::vector<std::string>{"Error reading plist file."});
    EXPECT_EQ(defaults.writeCount(), writes);
}

TEST_F(PersistedSettingsTest, UnparsableResourceIsReportedAndLeftAlone) {
    const std::vector<std::string> resources{"", "not a plist at all", "<plist><dict><key>isFirst",
                                             std::string("bplist00\xff\x01", 10)};
    for (const auto& contents : resources) {
        log.clear();
        storeAnsweredUser();
        writeResource(contents);
        PersistedSettings::checkUserDefaultPlist();
        ASSERT_EQ(log.lines().size(), 1u) << contents;
        EXPECT_TRUE(log.lines()[0].starts_with("Error reading plist file: ")) << log.lines()[0];
        EXPECT_GT(log.lines()[0].size(), std::string("Error reading plist file: ").size());
        expectAnsweredUserKept();
        EXPECT_EQ(readResource(), contents);
    }
}

// A resource that cannot be rewritten (a system-wide install, a full disk) must not cost the
// user the licence acceptance and consent at every launch.
TEST_F(PersistedSettingsTest, ResourceThatCannotBeRewrittenKeepsTheStore) {
    storeAnsweredUser();
    const std::string original = plistSaying("true");
    writeResource(original);
    {
        FileSizeLimit fullDisk(16);
        PersistedSettings::checkUserDefaultPlist();
    }
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_TRUE(log.lines()[0].starts_with("Error reading plist file: "));
    expectAnsweredUserKept();
    EXPECT_EQ(readResource(), original);
    // Nothing half-written is left beside it either.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.path()),
                            std::filesystem::directory_iterator()),
              2); // the resource and the config folder
}

} // namespace
