#include "screens/onboarding/GDPRViewController.h"

#include "analytics/Analytics.h"
#include "core/LogLines.h"
#include "platform/Log.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/TextView.h"

GDPRViewController::GDPRViewController()
    : AgreementViewController({.title = LocalizedKey::PrivacyTitle,
                               .agree = LocalizedKey::PrivacyAlertConfirmButton,
                               .cancel = LocalizedKey::PrivacyAlertCancelButton,
                               .content = AccessibleKey::UsageDataText}) {}

bool GDPRViewController::loadContent(TextView* content) {
    content->setPixelFont(14);
    content->setText(Localization::localizedString(LocalizedKey::PrivacyAlertDescription));
    content->setTextColor(colorNavy());
    content->setAlignment(Qt::AlignLeft);
    return true;
}

void GDPRViewController::didAgreeClick() {
    platform::Log::line(log_lines::agreeClick);
    Analytics::storeConsent(Consent::agreed);
    report(ScreenEvent::consentAnswered);
}

void GDPRViewController::didCancelClick() {
    platform::Log::line(log_lines::cancelClick);
    Analytics::storeConsent(Consent::declined);
    report(ScreenEvent::consentAnswered);
}
