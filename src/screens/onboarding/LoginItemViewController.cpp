#include "screens/onboarding/LoginItemViewController.h"

#include "core/LogLines.h"
#include "core/StatusCheckInterval.h"
#include "platform/Log.h"
#include "platform/LoginItem.h"
#include "platform/Platform.h"
#include "platform/Timer.h"
#include "ui/Accessibility.h"
#include "ui/Button.h"
#include "ui/Localization.h"
#include "ui/TextView.h"

#include <QLabel>

LoginItemViewController::LoginItemViewController()
    : OnboardingViewController(Dressing::keepsMainWindow) {}

LoginItemViewController::~LoginItemViewController() = default;

void LoginItemViewController::viewDidLoad() {
    QWidget* root = view();
    loginItemTitleText_ = makeTitle(root, LocalizedKey::LoginItemTitle);
    loginItemDescriptionText_ = makeDescription(root, LocalizedKey::LoginItemDescription);
    loginItemImage_ = makePicture(root, ImageAsset::img_login_items);
    openSettingButton_ =
        makeButton(root, LocalizedKey::LoginItemOpenSettingButtonTitle, ButtonStyle::primary);
    connect(openSettingButton_, &Button::clicked, this, [this] { didOpenSettingClick(); });
    skipButton_ = makeButton(root, LocalizedKey::LoginItemSkipButtonTitle, ButtonStyle::secondary);
    connect(skipButton_, &Button::clicked, this, [this] { didSkipClick(); });
    startLayout();
}

void LoginItemViewController::layoutElements(QSize viewSize) {
    placeExplanation(loginItemTitleText_, loginItemDescriptionText_, loginItemImage_, viewSize);
    placeButtonPair(skipButton_, openSettingButton_, viewSize);
}

void LoginItemViewController::viewDidAppear() {
    OnboardingViewController::viewDidAppear();
    checkStatusTimer_ = platform::Timer::scheduled(statusCheckInterval, platform::Timer::repeating,
                                                   [this] { checkStatusWithNotitfication(); });
}

void LoginItemViewController::viewDidDisappear() {
    OnboardingViewController::viewDidDisappear();
    checkStatusTimer_.reset();
}

void LoginItemViewController::checkStatusWithNotitfication() {
    if (platform::Platform::loginItem().status() == platform::LoginItemStatus::enabled) {
        moveOn();
    }
}

void LoginItemViewController::didOpenSettingClick() {
    platform::Log::line(log_lines::openSettingClick);
    // No desktop has a page where the user approves it, so the click itself switches it on,
    // and the screen moves on at once. A failure stays here for the user to read.
    if (platform::Platform::loginItem().enable()) {
        moveOn();
        return;
    }
    loginItemDescriptionText_->setText(
        Localization::localizedString(LocalizedKey::LoginItemFailedDescription));
    Accessibility::announce(loginItemDescriptionText_);
}

void LoginItemViewController::didSkipClick() {
    moveOn();
}

void LoginItemViewController::moveOn() {
    if (movingOn_) {
        return;
    }
    movingOn_ = true;
    report(ScreenEvent::loginItemStepOver);
}
