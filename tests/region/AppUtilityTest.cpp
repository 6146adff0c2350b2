#include "region/AppUtility.h"

#include "platform/Bundle.h"
#include "support/ScopedPlatform.h"

#include <gtest/gtest.h>

TEST(AppUtilityTest, IdentifierIsTimeStampThenPaddedRandomNumber) {
    const QDateTime made(QDate(2026, 12, 5), QTime(14, 3, 7, 42));
    EXPECT_EQ(AppUtility::makeDeviceUniqueID(made, 7), "202612051403070420007");
    EXPECT_EQ(AppUtility::makeDeviceUniqueID(made, 9998), "202612051403070429998");
}

TEST(AppUtilityTest, IdentifierYearIsTheWeekBasedYear) {
    // 30 December 2024 is in the first week of 2025; 1 January 2027 in the last of 2026.
    EXPECT_EQ(AppUtility::makeDeviceUniqueID(QDateTime(QDate(2024, 12, 30), QTime(0, 0)), 0),
              "202512300000000000000");
    EXPECT_EQ(
        AppUtility::makeDeviceUniqueID(QDateTime(QDate(2027, 1, 1), QTime(23, 59, 59, 999)), 1),
        "202601012359599990001");
}

TEST(AppUtilityTest, MadeIdentifiersHaveTheRightShape) {
    for (int i = 0; i < 2000; ++i) {
        const auto identifier = AppUtility::makeDeviceUniqueID();
        ASSERT_EQ(identifier.size(), 21u);
        ASSERT_EQ(identifier.find_first_not_of("0123456789"), std::string::npos);
        ASSERT_NE(identifier.substr(17), "9999");
    }
}

TEST(AppUtilityTest, VersionIsTheBundleVersionOrEmpty) {
    platform::Bundle withVersion({.identifier = "id", .version = "2.10.1"});
    {
        ScopedPlatform scoped({.bundle = &withVersion});
        EXPECT_EQ(AppUtility::getVersion(), "2.10.1");
    }
    platform::Bundle withoutVersion({.identifier = "id"});
    ScopedPlatform scoped({.bundle = &withoutVersion});
    EXPECT_EQ(AppUtility::getVersion(), "");
}
