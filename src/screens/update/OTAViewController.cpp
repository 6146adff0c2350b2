#include "screens/update/OTAViewController.h"

#include "core/LogLines.h"
#include "core/ProcessState.h"
#include "platform/Log.h"
#include "ui/Button.h"
#include "ui/TextView.h"

#include <QLabel>
#include <QWidget>
#include <string>

OTAViewController::OTAViewController()
    : UpdateScreenViewController(LocalizedKey::OTAViewTitle, Placement::launchStepOrModal) {}

OTAViewController::~OTAViewController() = default;

void OTAViewController::viewDidLoad() {
    QWidget* root = view();
    // The texts follow the offer as it stood when the screen was built.
    checkImage_ = makePicture(root, ImageAsset::img_version_finding);
    checkTitleText_ = makeTitleText(root, isForcedUpdate ? LocalizedKey::OTAViewForcedUpdateTitle
                                                         : LocalizedKey::OTAViewUpdateTitle);
    confirmButton_ =
        makeButton(root, LocalizedKey::OTAViewDownloadButtonTitle, ButtonStyle::primary);
    confirmButton_->setFixedSize(buttonSize);
    connect(confirmButton_, &Button::clicked, this, [this] { didConfirmClick(); });
    cancelButton_ = makeButton(root,
                               isForcedUpdate ? LocalizedKey::OTAViewCloseButtonTitle
                                              : LocalizedKey::OTAViewSkipButtonTitle,
                               ButtonStyle::secondary);
    cancelButton_->setFixedSize(buttonSize);
    connect(cancelButton_, &Button::clicked, this, [this] { didCancelClick(); });
    startLayout();
}

void OTAViewController::layoutElements(QSize viewSize) {
    const int width = viewSize.width();
    const int centre = width / 2;
    const int buttonTop = viewSize.height() - buttonBottom - buttonSize.height();
    checkImage_->move((width - pictureSide) / 2, pictureTop);
    checkTitleText_->setGeometry(titleInset, pictureTop + pictureSide + titleGap,
                                 width - 2 * titleInset, titleHeight);
    confirmButton_->move(centre + buttonGap, buttonTop);
    cancelButton_->move(centre - buttonGap - buttonSize.width(), buttonTop);
}

void OTAViewController::didConfirmClick() {
    showNextScreen(ScreenEvent::downloadRequested);
}

// Closing an update that must be installed quits, whether at launch or over a main screen.
void OTAViewController::didCancelClick() {
    if (isForcedUpdate) {
        report(ScreenEvent::quitRequested);
    } else {
        showNextScreen(ScreenEvent::offerSkipped);
    }
}
