#include "screens/settings/SettingPrivacyViewController.h"

#include "analytics/Analytics.h"
#include "core/LogLines.h"
#include "core/PersistedSettings.h"
#include "platform/Log.h"
#include "ui/Accessibility.h"
#include "ui/Button.h"
#include "ui/FocusRing.h"
#include "ui/ImageLibrary.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/TextView.h"

SettingPrivacyViewController::SettingPrivacyViewController() = default;
SettingPrivacyViewController::~SettingPrivacyViewController() = default;

// The switch and its line show the stored answer of the moment they are built.
void SettingPrivacyViewController::viewDidLoad() {
    QWidget* root = view();
    privacyTitleText_ =
        makeText(root, LocalizedKey::PrivacyTitle, colorNavy(), 14, TextView::regular);
    privacyContentText_ = makeText(root, LocalizedKey::SettingPrivacyDescription, colorTabText(),
                                   12, TextView::regular);
    // Longer translations scroll inside the box.
    privacyContentText_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Scrolled from the keyboard too; read, not typed into: no text cursor.
    privacyContentText_->setFocusPolicy(Qt::StrongFocus);
    privacyContentText_->setCursorWidth(0);
    FocusRing::attach(privacyContentText_);
    Accessibility::setName(privacyContentText_, AccessibleKey::UsageDataText);
    checkButton_ = new Button(root);
    checkButton_->setCheckable(true);
    checkButton_->setIcon(ImageLibrary::toggleIcon(ImageAsset::btn_switch_off_default,
                                                   ImageAsset::btn_switch_on_default));
    checkButton_->setIconSize(switchSize);
    checkButton_->setFixedSize(switchSize);
    ButtonAppearance noFrame = checkButton_->appearance();
    noFrame.highlightsByBackground = false;
    checkButton_->setAppearance(noFrame);
    checkButton_->setChecked(PersistedSettings::getCheckPrivacyStatus() == Consent::agreed);
    connect(checkButton_, &Button::clicked, this, [this] { didCheckButtonClick(); });
    checkTitleText_ = makeText(root, QString(), colorTabText(), 14, TextView::bold);
    showConsent();
    startLayout();
}

void SettingPrivacyViewController::layoutElements(QSize viewSize) {
    const int width = viewSize.width();
    privacyTitleText_->setGeometry(sideInset, titleTop, width - 2 * sideInset, titleHeight);
    const int contentTop = titleTop + titleHeight + contentGap;
    privacyContentText_->setGeometry(sideInset, contentTop, width - sideInset - contentRightInset,
                                     contentHeight);
    const int switchTop = contentTop + contentHeight + switchGap;
    checkButton_->move(sideInset, switchTop);
    const int checkTitleLeft = sideInset + switchSize.width() + checkTitleGap;
    checkTitleText_->setGeometry(checkTitleLeft,
                                 switchTop + (switchSize.height() - checkTitleHeight) / 2,
                                 width - sideInset - checkTitleLeft, checkTitleHeight);
}

void SettingPrivacyViewController::showConsent() {
    const bool on = PersistedSettings::getCheckPrivacyStatus() == Consent::agreed;
    checkTitleText_->setText(Localization::localizedString(
        on ? LocalizedKey::SettingPrivacyAgreeTitle : LocalizedKey::SettingPrivacyDisagreeTitle));
    // The switch is only a picture: its name carries the state.
    Accessibility::setName(checkButton_,
                           on ? AccessibleKey::ShareUsageDataOn : AccessibleKey::ShareUsageDataOff,
                           AccessibleKey::ShareUsageDataDescription);
}

// Stored at once, agreed or declined, never back to unanswered. The first agreement on a first
// launch sends the launch report, once.
void SettingPrivacyViewController::didCheckButtonClick() {
    const bool on = checkButton_->isChecked();
    platform::Log::line(std::string(log_lines::checkButtonClickPrefix) + (on ? "1" : "0"));
    Analytics::storeConsent(on ? Consent::agreed : Consent::declined);
    showConsent();
}
