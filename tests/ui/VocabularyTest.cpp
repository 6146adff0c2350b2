#include "ui/ImageAsset.h"
#include "ui/LocalizedKey.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

// Screens look texts and pictures up by these words, so they must be well-formed and unique.
template <typename Enum, std::size_t N>
void expectWellFormedVocabulary(const std::array<Enum, N>& all) {
    std::set<std::string_view> seen;
    for (std::size_t index = 0; index < all.size(); ++index) {
        const Enum value = all[index];
        ASSERT_EQ(static_cast<std::size_t>(value), index) << "declaration order";
        const std::string_view raw = rawValue(value);
        EXPECT_GE(raw.size(), 7u) << raw;
        EXPECT_LE(raw.size(), 35u) << raw;
        EXPECT_TRUE(std::all_of(raw.begin(), raw.end(), [](char c) {
            return c == '_' || std::isalnum(c) != 0;
        })) << raw;
        EXPECT_TRUE(seen.insert(raw).second) << "duplicate " << raw;
    }
}

} // namespace

TEST(VocabularyTest, LocalizedKeysAreTheEightyEightInOrder) {
    ASSERT_EQ(allLocalizedKeys.size(), 88u);
    EXPECT_EQ(rawValue(allLocalizedKeys.front()), "BluetoothSettingButtonTitle");
    EXPECT_EQ(rawValue(allLocalizedKeys.back()), "appTitle");
    EXPECT_EQ(rawValue(LocalizedKey::PrivacyAlertDescription), "PrivacyAlertDescription");
    expectWellFormedVocabulary(allLocalizedKeys);
}

TEST(VocabularyTest, ImageAssetsAreTheFiftyTwoInOrder) {
    ASSERT_EQ(allImageAssets.size(), 52u);
    EXPECT_EQ(rawValue(allImageAssets.front()), "btn_switch_off_clicked");
    EXPECT_EQ(rawValue(allImageAssets.back()), "img_zoom");
    EXPECT_EQ(rawValue(ImageAsset::icon_Lumatix_dialog), "icon_Lumatix_dialog");
    expectWellFormedVocabulary(allImageAssets);
}

TEST(VocabularyTest, RawValuesLeadBackToTheirCasesAndNothingElseDoes) {
    for (const LocalizedKey key : allLocalizedKeys) {
        EXPECT_EQ(localizedKeyFromRawValue(rawValue(key)), key);
    }
    for (const ImageAsset asset : allImageAssets) {
        EXPECT_EQ(imageAssetFromRawValue(rawValue(asset)), asset);
    }
    EXPECT_FALSE(localizedKeyFromRawValue("apptitle").has_value());
    EXPECT_FALSE(localizedKeyFromRawValue("").has_value());
    EXPECT_FALSE(imageAssetFromRawValue("icon_lumatix_dialog").has_value());
    EXPECT_FALSE(imageAssetFromRawValue("img_zoom.svg").has_value());
}

TEST(VocabularyTest, NamesNoScreenShowsAreStillDeclared) {
    for (const char* key :
         {"DownloadOTAViewTitle", "InfoSupportAppGoogleMeetTitle", "InfoSupportAppLineTitle",
          "InfoSupportAppSkypeTitle", "InfoSupportAppTeamsTitle", "InfoSupportAppWebEXTitle",
          "InfoSupportAppZoomTitle", "PrivacyDescription", "SettingPrivacyTitle"}) {
        EXPECT_TRUE(localizedKeyFromRawValue(key).has_value()) << key;
    }
    for (const char* asset :
         {"btn_switch_off_clicked", "btn_switch_off_disable", "btn_switch_off_hover",
          "btn_switch_on_clicked", "btn_switch_on_disable", "btn_switch_on_hover",
          "icon_view_link_clicked", "icon_view_link_hover", "img_bluetooth", "img_google_meet",
          "img_line", "img_microsoft_teams", "img_skype", "img_webex", "img_zoom"}) {
        EXPECT_TRUE(imageAssetFromRawValue(asset).has_value()) << asset;
    }
}
