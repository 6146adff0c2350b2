#include "ui/Localization.h"

#include "platform/Bundle.h"
#include "platform/Platform.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

struct Installed {
    std::unique_ptr<QTranslator> translator;
    QString language;
};

Installed& installed() {
    static Installed state;
    return state;
}

bool isKnownLanguage(const QString& language) {
    return language == QLatin1String(Localization::english) ||
           language == QLatin1String(Localization::simplifiedChinese) ||
           language == QLatin1String(Localization::traditionalChinese) ||
           language == QLatin1String(Localization::japanese);
}

// Chinese without a script: the region decides, and mainland usage wins when there is none.
QString chineseVariant(const QStringList& subtags) {
    for (const QString& subtag : subtags) {
        if (subtag == QLatin1String("hant")) {
            return QLatin1String(Localization::traditionalChinese);
        }
        if (subtag == QLatin1String("hans")) {
            return QLatin1String(Localization::simplifiedChinese);
        }
    }
    for (const QString& subtag : subtags) {
        if (subtag == QLatin1String("tw") || subtag == QLatin1String("hk") ||
            subtag == QLatin1String("mo")) {
            return QLatin1String(Localization::traditionalChinese);
        }
    }
    return QLatin1String(Localization::simplifiedChinese);
}

// One preference, BCP 47 ("zh-Hant-TW") or POSIX ("zh_TW.UTF-8@euro"); empty when we have no
// table for it.
QString tableFor(const QString& preference) {
    QString tag = preference.trimmed().toLower();
    tag = tag.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    tag.replace(QLatin1Char('_'), QLatin1Char('-'));
    QStringList subtags = tag.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    if (subtags.isEmpty()) {
        return {};
    }
    const QString primary = subtags.takeFirst();
    if (primary == QLatin1String("zh")) {
        return chineseVariant(subtags);
    }
    if (primary == QLatin1String("ja")) {
        return QLatin1String(Localization::japanese);
    }
    if (primary == QLatin1String("en")) {
        return QLatin1String(Localization::english);
    }
    return {};
}

QString lookUp(std::string_view raw) {
    const QByteArray id(raw.data(), static_cast<qsizetype>(raw.size()));
    return qtTrId(id.constData());
}

// A text shown as its key has no placeholder, and arg() would complain about it.
QString fillIn(const QString& text, const QString& argument) {
    return text.contains(QLatin1String("%1")) ? text.arg(argument) : text;
}

QString environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? QString() : QString::fromLocal8Bit(value);
}

} // namespace

QString Localization::localizedString(LocalizedKey key) {
    return lookUp(rawValue(key));
}

QString Localization::localizedFormat(LocalizedKey key, const QString& argument) {
    return fillIn(localizedString(key), argument);
}

QString Localization::localizedString(AccessibleKey key) {
    return lookUp(rawValue(key));
}

QString Localization::localizedFormat(AccessibleKey key, const QString& argument) {
    return fillIn(localizedString(key), argument);
}

QString Localization::install() {
    const QString language = chooseLanguage(systemPreferredLanguages());
    if (!install(language) && language != QLatin1String(english)) {
        install(QLatin1String(english));
    }
    return installedLanguage();
}

bool Localization::install(const QString& language) {
    if (!isKnownLanguage(language)) {
        return false;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/lumatix_%1.qm").arg(language))) {
        return false;
    }
    Installed& state = installed();
    if (state.translator) {
        QCoreApplication::removeTranslator(state.translator.get());
    }
    if (!QCoreApplication::installTranslator(translator.get())) {
        state.translator.reset();
        state.language.clear();
        return false;
    }
    state.translator = std::move(translator);
    state.language = language;
    platform::Platform::bundle().setPreferredLocalizations(preferredLocalizations(language));
    return true;
}

void Localization::uninstall() {
    Installed& state = installed();
    if (state.translator) {
        QCoreApplication::removeTranslator(state.translator.get());
        state.translator.reset();
    }
    state.language.clear();
}

QString Localization::installedLanguage() {
    return installed().language;
}

QString Localization::chooseLanguage(const QStringList& preferredLanguages) {
    for (const QString& preference : preferredLanguages) {
        const QString table = tableFor(preference);
        if (!table.isEmpty()) {
            return table;
        }
    }
    return QLatin1String(english);
}

std::vector<std::string> Localization::preferredLocalizations(const QString& language) {
    if (language == QLatin1String(traditionalChinese)) {
        return {"zh-Hant", "en"};
    }
    if (language == QLatin1String(simplifiedChinese)) {
        return {"zh-Hans", "en"};
    }
    if (language == QLatin1String(japanese)) {
        return {"ja", "en"};
    }
    return {"en"};
}

QStringList Localization::systemPreferredLanguages() {
    QStringList languages = environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment(name);
        if (!value.isEmpty()) {
            languages.append(value);
            break;
        }
    }
    languages.append(QLocale::system().uiLanguages());
    languages.removeDuplicates();
    return languages;
}
