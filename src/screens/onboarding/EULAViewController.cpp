#include "screens/onboarding/EULAViewController.h"

#include "core/LogLines.h"
#include "core/PersistedSettings.h"
#include "platform/Bundle.h"
#include "platform/Log.h"
#include "platform/MainQueue.h"
#include "platform/MicrophoneAccess.h"
#include "platform/Platform.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/TextView.h"

#include <QFile>
#include <QPointer>
#include <QStringDecoder>
#include <QTextCursor>

namespace {

constexpr int agreementFontSize = 15;

std::optional<QString> readAgreement(std::string_view name) {
    const auto path = platform::Platform::bundle().urlForResource(
        std::string(name), std::string(EULAViewController::agreementType));
    const std::string shown = path ? path->string() : std::string(name) + ".html";
    const auto unreadable = [&shown](const char* reason) {
        platform::Log::line(std::string(log_lines::agreementUnreadablePrefix) + shown + ": " +
                            reason);
        return std::nullopt;
    };
    if (!path) {
        return unreadable("missing");
    }
    QFile file(QFile::decodeName(path->c_str()));
    if (!file.open(QIODevice::ReadOnly)) {
        return unreadable("cannot be opened");
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (file.error() != QFileDevice::NoError || decoder.hasError()) {
        return unreadable("not readable as UTF-8 text");
    }
    if (text.trimmed().isEmpty()) {
        return unreadable("empty");
    }
    return text;
}

// The whole text in one colour and the system font, whatever sizes and colours the HTML set.
void applyAgreementLook(TextView* content) {
    QTextCursor cursor(content->document());
    cursor.select(QTextCursor::Document);
    QTextCharFormat look;
    QFont font = content->font();
    font.setPixelSize(agreementFontSize);
    font.setBold(false);
    look.setFont(font);
    // Headings carry a relative size of their own that would scale the font again.
    look.setProperty(QTextFormat::FontSizeAdjustment, 0);
    look.setForeground(colorTitleGrey());
    cursor.mergeCharFormat(look);
}

} // namespace

EULAViewController::EULAViewController()
    : AgreementViewController({.title = LocalizedKey::EULATitle,
                               .agree = LocalizedKey::EULAAgreeButtonTitle,
                               .cancel = LocalizedKey::EULADisagreeButtonTitle,
                               .content = AccessibleKey::LicenseText}) {}

std::string_view EULAViewController::agreementResourceName(std::string_view localization) {
    if (localization.find("Hant") != std::string_view::npos) {
        return "LumatixUphoneappEULA_TW";
    }
    if (localization.find("Hans") != std::string_view::npos) {
        return "LumatixUphoneappEULA_CN";
    }
    if (localization.find("ja") != std::string_view::npos) {
        return "LumatixUphoneappEULA_JP";
    }
    return englishAgreement;
}

std::optional<QString> EULAViewController::loadAgreementText() {
    const auto& localizations = platform::Platform::bundle().preferredLocalizations();
    const std::string_view name =
        agreementResourceName(localizations.empty() ? std::string_view() : localizations.front());
    if (auto text = readAgreement(name)) {
        return text;
    }
    if (name != englishAgreement) {
        return readAgreement(englishAgreement);
    }
    return std::nullopt;
}

bool EULAViewController::loadContent(TextView* content) {
    content->setPixelFont(14);
    content->setTextColor(colorNavy());
    content->setAlignment(Qt::AlignHCenter);
    // Selectable, so a user can copy a clause.
    content->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    content->viewport()->setCursor(Qt::IBeamCursor);
    const auto html = loadAgreementText();
    if (html) {
        content->setHtml(*html);
    } else {
        content->setText(Localization::localizedString(LocalizedKey::EULAUnavailableDescription));
    }
    applyAgreementLook(content);
    return html.has_value();
}

void EULAViewController::didAgreeClick() {
    platform::Log::line(log_lines::agreeClick);
    PersistedSettings::setEULAAccepted();
    // The answer may come on another thread; the window is only touched on the main one.
    platform::Platform::microphoneAccess().requestAccess([self = QPointer(this)](bool granted) {
        platform::MainQueue::async([self, granted] {
            if (!self.isNull()) {
                self->handleMicrophoneAnswer(granted);
            }
        });
    });
}

void EULAViewController::handleMicrophoneAnswer(bool granted) {
    platform::Log::line(granted ? log_lines::microphoneGranted : log_lines::microphoneRefused);
    report(granted ? ScreenEvent::microphoneGranted : ScreenEvent::microphoneRefused);
}

void EULAViewController::didCancelClick() {
    report(ScreenEvent::quitRequested);
}
