#include "ui/Localization.h"

#include "platform/Bundle.h"
#include "support/ScopedPlatform.h"

#include <QRegularExpression>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <set>

namespace {

const QStringList languages{"en", "zh_CN", "zh_TW", "ja"};

const std::set<LocalizedKey> formatKeys{
    LocalizedKey::appTitle, LocalizedKey::ModeViewTitle, LocalizedKey::SettingUpdateTitle,
    LocalizedKey::SettingUpdateDescription, LocalizedKey::SettingPreferenceBTConnect};

QString keyText(LocalizedKey key) {
    const std::string_view raw = rawValue(key);
    return QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
}

// Each test starts without a table and leaves none behind, with its own bundle.
class LocalizationTest : public ::testing::Test {
protected:
    void SetUp() override { Localization::uninstall(); }
    void TearDown() override { Localization::uninstall(); }

    platform::Bundle bundle_{{.identifier = "test"}};
    ScopedPlatform platform_{{.bundle = &bundle_}};
};

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const auto& [name, value] : values) {
            const char* old = std::getenv(name);
            saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
            if (value != nullptr) {
                setenv(name, value, 1);
            } else {
                unsetenv(name);
            }
        }
    }
    ~ScopedEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                setenv(name, value->c_str(), 1);
            } else {
                unsetenv(name);
            }
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

} // namespace

TEST_F(LocalizationTest, EveryKeyHasARealTextInEveryLanguage) {
    for (const QString& language : languages) {
        ASSERT_TRUE(Localization::install(language)) << language.toStdString();
        for (const LocalizedKey key : allLocalizedKeys) {
            const QString text = Localization::localizedString(key);
            EXPECT_FALSE(text.trimmed().isEmpty())
                << language.toStdString() << " " << rawValue(key);
            EXPECT_NE(text, keyText(key)) << language.toStdString() << " " << rawValue(key);
        }
    }
}

TEST_F(LocalizationTest, LanguagesReallyDiffer) {
    QStringList titles;
    for (const QString& language : languages) {
        ASSERT_TRUE(Localization::install(language));
        titles << Localization::localizedString(LocalizedKey::MenuItemMeetingMode);
    }
    titles.removeDuplicates();
    EXPECT_EQ(titles.size(), languages.size()) << titles.join(" | ").toStdString();
}

TEST_F(LocalizationTest, FormatKeysHaveExactlyOnePlaceholderAndNoOtherKeyHasAny) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    for (const QString& language : languages) {
        ASSERT_TRUE(Localization::install(language));
        for (const LocalizedKey key : allLocalizedKeys) {
            const QString text = Localization::localizedString(key);
            const int expected = formatKeys.contains(key) ? 1 : 0;
            EXPECT_EQ(text.count(placeholder), expected)
                << language.toStdString() << " " << rawValue(key);
            EXPECT_EQ(text.count(QStringLiteral("%1")), expected)
                << language.toStdString() << " " << rawValue(key);
        }
    }
}

TEST_F(LocalizationTest, FormattingFillsThePlaceholderOrLeavesItEmpty) {
    ASSERT_TRUE(Localization::install("en"));
    const QString title = Localization::localizedFormat(LocalizedKey::appTitle, "2.4.1");
    EXPECT_TRUE(title.endsWith(" 2.4.1")) << title.toStdString();
    EXPECT_FALSE(title.contains("%1"));

    const QString withoutVersion = Localization::localizedFormat(LocalizedKey::appTitle, "");
    EXPECT_FALSE(withoutVersion.contains("%"));
    EXPECT_EQ(withoutVersion + "2.4.1", title);

    // A name that looks like a placeholder is shown as it is.
    const QString oddName = Localization::localizedFormat(LocalizedKey::ModeViewTitle, "%2 U");
    EXPECT_TRUE(oddName.contains("%2 U")) << oddName.toStdString();
}

TEST_F(LocalizationTest, WithoutATableEveryKeyShowsItself) {
    EXPECT_EQ(Localization::installedLanguage(), "");
    EXPECT_EQ(Localization::localizedString(LocalizedKey::MenuItemExit), "MenuItemExit");
    EXPECT_EQ(Localization::localizedFormat(LocalizedKey::appTitle, "1.0"), "appTitle");
}

TEST_F(LocalizationTest, UnknownLanguageKeepsTheTableInUse) {
    ASSERT_TRUE(Localization::install("ja"));
    const QString japanese = Localization::localizedString(LocalizedKey::MenuItemExit);
    EXPECT_FALSE(Localization::install("de"));
    EXPECT_FALSE(Localization::install("zh-Hant"));
    EXPECT_EQ(Localization::installedLanguage(), "ja");
    EXPECT_EQ(Localization::localizedString(LocalizedKey::MenuItemExit), japanese);
}

TEST(LocalizationChoiceTest, FirstPreferredLanguageWithATableWins) {
    const std::vector<std::pair<QStringList, QString>> cases{
        {{"zh-Hans-CN"}, "zh_CN"},
        {{"zh-CN"}, "zh_CN"},
        {{"zh_SG.UTF-8"}, "zh_CN"},
        {{"zh"}, "zh_CN"},
        {{"zh-Hant-HK"}, "zh_TW"},
        {{"zh-Hant"}, "zh_TW"},
        {{"zh_TW.UTF-8"}, "zh_TW"},
        {{"zh-HK"}, "zh_TW"},
        {{"zh_MO"}, "zh_TW"},
        // The script outranks the region.
        {{"zh-Hans-HK"}, "zh_CN"},
        {{"zh-Hant-CN"}, "zh_TW"},
        {{"ja-JP"}, "ja"},
        {{"ja_JP.eucJP@mod"}, "ja"},
        {{"en-GB"}, "en"},
        {{"de-DE", "fr", "ja"}, "ja"},
        {{"de", "en-US", "zh-CN"}, "en"},
        {{"C", "POSIX", "zh-TW"}, "zh_TW"},
        {{"de", "fr"}, "en"},
        {{}, "en"},
        {{"", "  "}, "en"},
        {{"JA"}, "ja"},
        // Not Chinese, though they start with the same letters.
        {{"zu", "zha"}, "en"},
    };
    for (const auto& [preferred, expected] : cases) {
        EXPECT_EQ(Localization::chooseLanguage(preferred), expected)
            << preferred.join(",").toStdString();
    }
}

TEST(LocalizationChoiceTest, BundleLocalizationsFollowTheLanguage) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(Localization::preferredLocalizations("zh_TW"), (Names{"zh-Hant", "en"}));
    EXPECT_EQ(Localization::preferredLocalizations("zh_CN"), (Names{"zh-Hans", "en"}));
    EXPECT_EQ(Localization::preferredLocalizations("ja"), (Names{"ja", "en"}));
    EXPECT_EQ(Localization::preferredLocalizations("en"), (Names{"en"}));
}

TEST(LocalizationChoiceTest, EnvironmentComesBeforeTheSystemLanguages) {
    ScopedEnvironment environment{{"LANGUAGE", "ja:en_GB"},
                                  {"LC_ALL", nullptr},
                                  {"LC_MESSAGES", "zh_TW.UTF-8"},
                                  {"LANG", "de_DE.UTF-8"}};
    const QStringList languages = Localization::systemPreferredLanguages();
    ASSERT_GE(languages.size(), 3);
    EXPECT_EQ(languages.mid(0, 3), (QStringList{"ja", "en_GB", "zh_TW.UTF-8"}));
    EXPECT_FALSE(languages.contains("de_DE.UTF-8")) << "LANG is overridden by LC_MESSAGES";
}

TEST_F(LocalizationTest, InstallUsesTheEnvironmentAndTellsTheBundle) {
    {
        ScopedEnvironment environment{{"LANGUAGE", nullptr},
                                      {"LC_ALL", "zh_HK.UTF-8"},
                                      {"LC_MESSAGES", nullptr},
                                      {"LANG", "en_US.UTF-8"}};
        EXPECT_EQ(Localization::install(), "zh_TW");
        EXPECT_EQ(bundle_.preferredLocalizations(), (std::vector<std::string>{"zh-Hant", "en"}));
        EXPECT_NE(Localization::localizedString(LocalizedKey::MenuItemExit), "MenuItemExit");
    }
    {
        ScopedEnvironment environment{{"LANGUAGE", "sv:ja"},
                                      {"LC_ALL", nullptr},
                                      {"LC_MESSAGES", nullptr},
                                      {"LANG", nullptr}};
        EXPECT_EQ(Localization::install(), "ja");
        EXPECT_EQ(bundle_.preferredLocalizations(), (std::vector<std::string>{"ja", "en"}));
    }
}
