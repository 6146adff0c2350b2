#include "ui/Localization.h"

#include "platform/Bundle.h"
#include "support/ScopedPlatform.h"
#include "support/TemporaryHome.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <set>

namespace {

// Each test starts without a table and leaves none behind, with its own bundle.
class LocalizationTest : public ::testing::Test {
protected:
    void SetUp() override { Localization::uninstall(); }
    void TearDown() override { Localization::uninstall(); }

    platform::Bundle bundle_{{.identifier = "test"}};
    ScopedPlatform platform_{{.bundle = &bundle_}};
};

} // namespace

TEST_F(LocalizationTest, EveryKeyHasItsOwnTextInEveryLanguageAndOnlyFormatKeysAPlaceholder) {
    const std::set<LocalizedKey> formatKeys{
        LocalizedKey::appTitle, LocalizedKey::ModeViewTitle, LocalizedKey::SettingUpdateTitle,
        LocalizedKey::SettingUpdateDescription, LocalizedKey::SettingPreferenceBTConnect};
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QStringList exitTitles;
    for (const QString language : {"en", "zh_CN", "zh_TW", "ja"}) {
        ASSERT_TRUE(Localization::install(language)) << language.toStdString();
        for (const LocalizedKey key : allLocalizedKeys) {
            const QString text = Localization::localizedString(key);
            const std::string where = language.toStdString() + " " + std::string(rawValue(key));
            EXPECT_FALSE(text.trimmed().isEmpty()) << where;
            EXPECT_NE(text.toStdString(), rawValue(key)) << where;
            const int expected = formatKeys.contains(key) ? 1 : 0;
            EXPECT_EQ(text.count(placeholder), expected) << where;
            EXPECT_EQ(text.count(QStringLiteral("%1")), expected) << where;
        }
        exitTitles << Localization::localizedString(LocalizedKey::MenuItemExit);
    }
    // Each language has its own table, not a copy of another.
    exitTitles.removeDuplicates();
    EXPECT_EQ(exitTitles.size(), 4) << exitTitles.join(" | ").toStdString();
}

TEST_F(LocalizationTest, FormattingFillsTheOnePlaceholderAndAMissingTableShowsTheKey) {
    EXPECT_EQ(Localization::localizedString(LocalizedKey::MenuItemExit), "MenuItemExit");
    EXPECT_EQ(Localization::localizedFormat(LocalizedKey::appTitle, "1.0"), "appTitle");
    ASSERT_TRUE(Localization::install("en"));
    const QString title = Localization::localizedFormat(LocalizedKey::appTitle, "2.4.1");
    EXPECT_TRUE(title.endsWith(" 2.4.1")) << title.toStdString();
    EXPECT_EQ(Localization::localizedFormat(LocalizedKey::appTitle, "") + "2.4.1", title);
    // A name that looks like a placeholder is shown as it is.
    EXPECT_TRUE(
        Localization::localizedFormat(LocalizedKey::ModeViewTitle, "%2 U").contains("%2 U"));
}

TEST(LocalizationChoiceTest, FirstPreferredLanguageWithATableWinsElseEnglish) {
    // The table chosen, and preference lists (most preferred first) that choose it.
    const std::vector<std::pair<QString, QStringList>> rows{
        {"zh_CN", {"zh-Hans-CN", "zh_SG.UTF-8", "zh", "zh-Hans-HK"}},
        {"zh_TW", {"zh-Hant", "zh_TW.UTF-8", "zh-HK", "zh_MO", "zh-Hant-CN", "C,POSIX,zh-TW"}},
        {"ja", {"ja_JP.eucJP@mod", "JA", "de-DE,fr,ja"}},
        {"en", {"en-GB", "de,en-US,zh-CN", "de,fr", "", " ,  ", "zu,zha"}},
    };
    for (const auto& [expected, lists] : rows) {
        for (const QString& preferred : lists) {
            EXPECT_EQ(Localization::chooseLanguage(preferred.split(',')), expected)
                << preferred.toStdString();
        }
    }
}

TEST_F(LocalizationTest, InstallTakesLanguageThenLcAllOrLcMessagesOrLangAndTellsTheBundle) {
    using Env = std::optional<std::string>;
    // LANGUAGE, LC_ALL, LC_MESSAGES, LANG; the language chosen and the bundle's localization.
    const std::vector<std::tuple<Env, Env, Env, Env, QString, std::string>> rows{
        {"sv:ja", {}, {}, "zh_CN.UTF-8", "ja", "ja"},
        {{}, "zh_HK.UTF-8", "ja_JP.UTF-8", "en_US.UTF-8", "zh_TW", "zh-Hant"},
        {{}, {}, "ja_JP.UTF-8", "zh_TW.UTF-8", "ja", "ja"},
        {"", "", {}, "zh_SG.UTF-8", "zh_CN", "zh-Hans"},
        {{}, {}, {}, "en_GB.UTF-8", "en", "en"},
    };
    TemporaryHome home;
    for (const auto& [language, lcAll, lcMessages, lang, expected, localization] : rows) {
        home.setEnv("LANGUAGE", language);
        home.setEnv("LC_ALL", lcAll);
        home.setEnv("LC_MESSAGES", lcMessages);
        home.setEnv("LANG", lang);
        EXPECT_EQ(Localization::install(), expected) << *lang;
        EXPECT_EQ(bundle_.preferredLocalizations().front(), localization) << *lang;
    }
}
