#include "ui/Localization.h"

#include "platform/Bundle.h"
#include "support/ScopedPlatform.h"
#include "ui/ImageLibrary.h"

#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <set>

TEST(LocalizationTest, EveryKeyHasItsOwnTextInEveryLanguageAndOnlyFormatKeysAPlaceholder) {
    platform::Bundle bundle({.identifier = "test"});
    ScopedPlatform scoped({.bundle = &bundle});
    const std::set<LocalizedKey> formatKeys{
        LocalizedKey::appTitle, LocalizedKey::ModeViewTitle, LocalizedKey::SettingUpdateTitle,
        LocalizedKey::SettingUpdateDescription, LocalizedKey::SettingPreferenceBTConnect};
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    for (const QString language : {"en", "zh_CN", "zh_TW", "ja"}) {
        ASSERT_TRUE(Localization::install(language)) << language.toStdString();
        for (const LocalizedKey key : allLocalizedKeys) {
            const QString text = Localization::localizedString(key);
            const std::string where = language.toStdString() + " " + std::string(rawValue(key));
            EXPECT_TRUE(!text.trimmed().isEmpty() && text.toStdString() != rawValue(key)) << where;
            const int expected = formatKeys.contains(key) ? 1 : 0;
            EXPECT_EQ(text.count(placeholder), expected) << where;
            EXPECT_EQ(text.count(QStringLiteral("%1")), expected) << where;
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
