#include "screens/onboarding/MicPermissionViewController.h"

#include "core/LogLines.h"
#include "platform/DesktopSettings.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "ui/Button.h"

#include <QLabel>

MicPermissionViewController::MicPermissionViewController()
    : OnboardingViewController(Dressing::keepsMainWindow) {}

void MicPermissionViewController::viewDidLoad() {
    QWidget* root = view();
    micPermissionTitleText_ = makeTitle(root, LocalizedKey::MicPermissionTitle);
    micPermissionDescriptionText_ = makeDescription(root, LocalizedKey::MicPermissionDescription);
    micPermissionImage_ = makePicture(root, ImageAsset::img_microphone);
    openSettingButton_ =
        makeButton(root, LocalizedKey::MicPermissionOpenSettingButtonTitle, ButtonStyle::primary);
    connect(openSettingButton_, &Button::clicked, this, [this] { didOpenSettingClick(); });
    startLayout();
}

void MicPermissionViewController::layoutElements(QSize viewSize) {
    placeExplanation(micPermissionTitleText_, micPermissionDescriptionText_, micPermissionImage_,
                     viewSize);
    placeCentredButton(openSettingButton_, viewSize);
}

void MicPermissionViewController::didOpenSettingClick() {
    platform::Log::line(log_lines::openSettingClick);
    // Without any such settings the desktop settings write their own line; the screen stays.
    if (platform::Platform::desktopSettings().openMicrophoneSettings()) {
        platform::Log::line(log_lines::defaultBrowserOpened);
    }
}
