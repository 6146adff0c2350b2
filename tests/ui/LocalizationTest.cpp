#include "ui/Localization.h"

#include "platform/Bundle.h"
#include "support/ScopedPlatform.h"
#include "ui/ImageLibrary.h"

#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <set>

// Screen readers' texts are told apart by ear alone, so no two of them are the same.
TEST(LocalizationTest, EveryKeyHasItsOwnTextInEveryLanguageAndOnlyFormatKeysAPlaceholder) {
    platform::Bundle bundle({.identifier = "test"});
    ScopedPlatform scoped({.bundle = &bundle});
    const std::set<LocalizedKey> formatKeys{LocalizedKey::appTitle,
                                            LocalizedKey::ModeViewTitle,
                                            LocalizedKey::SettingUpdateTitle,
                                            LocalizedKey::SettingUpdateDescription,
                                            LocalizedKey::SettingPreferenceBTConnect,
                                            LocalizedKey::FollowCallsMeetingNotice};
    const std::set<AccessibleKey> accessibleFormatKeys{AccessibleKey::UserGuideLink,
                                                       AccessibleKey::StoreQRCode};
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    for (const QString language : {"en", "zh_CN", "zh_TW", "ja"}) {
        ASSERT_TRUE(Localization::install(language)) << language.toStdString();
        const auto expectText = [&](const QString& text, std::string_view key, bool format) {
            const std::string where = language.toStdString() + " " + std::string(key);
            EXPECT_TRUE(!text.trimmed().isEmpty() && text.toStdString() != key) << where;
            EXPECT_EQ(text.count(placeholder), format ? 1 : 0) << where;
            EXPECT_EQ(text.count(QStringLiteral("%1")), format ? 1 : 0) << where;
        };
        for (const LocalizedKey key : allLocalizedKeys) {
            expectText(Localization::localizedString(key), rawValue(key), formatKeys.contains(key));
        }
        std::set<QString> spoken;
        for (const AccessibleKey key : allAccessibleKeys) {
            const QString text = Localization::localizedString(key);
            expectText(text, rawValue(key), accessibleFormatKeys.contains(key));
            EXPECT_TRUE(spoken.insert(text).second)
                << language.toStdString() << " " << rawValue(key);
        }
    }
    Localization::uninstall();
}

// The screens assume every named picture exists and shows something, at 1x and 2x.
TEST(ImageLibraryTest, EveryAssetShowsSomethingAtOneAndTwoTimesScale) {
    for (const ImageAsset asset : allImageAssets) {
        const QSize natural = ImageLibrary::naturalSize(asset);
        for (const qreal ratio : {1.0, 2.0}) {
            const QImage image = ImageLibrary::pixmap(asset, natural, ratio).toImage();
            QImage blank(natural * ratio, image.format());
            blank.fill(Qt::transparent);
            EXPECT_TRUE(!natural.isEmpty() && image.size() == blank.size() && image != blank)
                << rawValue(asset) << " at " << ratio;
        }
    }
}

// Preferences, most preferred first, and the table they choose.
TEST(LocalizationChoiceTest, FirstPreferredLanguageWithATableWinsElseEnglish) {
    for (const auto& [preferred, expected] :
         std::vector<std::pair<QString, QString>>{{"de,zh-Hant-CN,ja", "zh_TW"},
                                                  {"zh_HK.UTF-8", "zh_TW"},
                                                  {"zh-Hans-MO", "zh_CN"},
                                                  {"zh_SG", "zh_CN"},
                                                  {"JA_jp.eucJP@mod", "ja"},
                                                  {"zu,zha, ,en-GB", "en"}}) {
        EXPECT_EQ(Localization::chooseLanguage(preferred.split(',')), expected);
    }
}
