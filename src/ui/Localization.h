#pragma once

#include "ui/AccessibleKey.h"
#include "ui/LocalizedKey.h"

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// The application's texts in the user's language. The tables are built into the binary, one
// per language, keyed by the LocalizedKey raw values.
class Localization {
public:
    // Languages with a table, as install() takes them.
    static constexpr const char* english = "en";
    static constexpr const char* simplifiedChinese = "zh_CN";
    static constexpr const char* traditionalChinese = "zh_TW";
    static constexpr const char* japanese = "ja";

    // The text of the key in the installed language; the key itself when the table lacks it.
    [[nodiscard]] static QString localizedString(LocalizedKey key);
    // A format key's text with its one placeholder replaced by the argument (which may be
    // empty). A text without a placeholder is returned as it is.
    [[nodiscard]] static QString localizedFormat(LocalizedKey key, const QString& argument);
    // The same for the texts only screen readers speak.
    [[nodiscard]] static QString localizedString(AccessibleKey key);
    [[nodiscard]] static QString localizedFormat(AccessibleKey key, const QString& argument);

    // Chooses the language from the user's preferences (environment and system), loads its
    // table and records the bundle's preferred localizations. Needs the application object.
    // Returns the chosen language.
    static QString install();
    // Loads the table of one of the four languages above, replacing the one loaded before, and
    // records the bundle's preferred localizations. False for an unknown language or when the
    // table cannot be loaded; the previous table then stays.
    static bool install(const QString& language);
    // Removes the loaded table; every text then shows its key.
    static void uninstall();
    // The language in use, empty when no table is loaded.
    [[nodiscard]] static QString installedLanguage();

    // The first of the preferred languages (BCP 47 or POSIX style, most preferred first) that
    // has a table; English when none has.
    [[nodiscard]] static QString chooseLanguage(const QStringList& preferredLanguages);
    // The bundle localizations that go with a language from chooseLanguage, most preferred
    // first: "zh-Hant", "zh-Hans", "ja" or "en", with "en" as the final fallback.
    [[nodiscard]] static std::vector<std::string> preferredLocalizations(const QString& language);
    // The user's preferred languages: LANGUAGE (a colon-separated list), then the first set
    // of LC_ALL, LC_MESSAGES and LANG, then the system's UI languages.
    [[nodiscard]] static QStringList systemPreferredLanguages();
};
