#include "screens/onboarding/GDPRViewController.h"

#include "analytics/Analytics.h"
#include "core/DefaultsKeys.h"
#include "core/LogLines.h"
#include "core/PersistedSettings.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/UserDefaults.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/TextView.h"

GDPRViewController::GDPRViewController()
    : AgreementViewController({.title = LocalizedKey::PrivacyTitle,
                               .agree = LocalizedKey::PrivacyAlertConfirmButton,
                               .cancel = LocalizedKey::PrivacyAlertCancelButton}) {}

void GDPRViewController::loadContent(TextView* content) {
    content->setPixelFont(14);
    content->setText(Localization::localizedString(LocalizedKey::PrivacyAlertDescription));
    content->setTextColor(colorNavy());
    content->setAlignment(Qt::AlignLeft);
}

void GDPRViewController::didAgreeClick() {
    platform::Log::line(log_lines::agreeClick);
    auto& defaults = platform::Platform::userDefaults();
    defaults.setInteger(defaults_keys::checkPrivacyStatus, 1);
    defaults.synchronize();
    if (PersistedSettings::getIsFirstLaunch() && PersistedSettings::getCheckPrivacyStatus() == 1) {
        defaults.setBool(defaults_keys::isFirstLaunch, false);
        defaults.synchronize();
        Analytics::sendLaunchEvent();
    }
    report(ScreenEvent::consentAnswered);
}

void GDPRViewController::didCancelClick() {
    platform::Log::line(log_lines::cancelClick);
    auto& defaults = platform::Platform::userDefaults();
    defaults.setInteger(defaults_keys::checkPrivacyStatus, 2);
    defaults.synchronize();
    report(ScreenEvent::consentAnswered);
}
