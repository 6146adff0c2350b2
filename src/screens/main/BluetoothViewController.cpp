#include "screens/main/BluetoothViewController.h"

#include "core/LogLines.h"
#include "core/SpeakerDevice.h"
#include "platform/DesktopSettings.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "screens/main/AnimationView.h"
#include "ui/Accessibility.h"
#include "ui/Button.h"
#include "ui/ButtonStyle.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/TextView.h"

#include <QLabel>
#include <QWidget>

namespace {

constexpr int panelGap = 16;
constexpr QSize openButtonSize{294, 56};
constexpr int openButtonBottomInset = 32;

} // namespace

BluetoothViewController::BluetoothViewController()
    : MainScreenViewController(MainScreen::pairingGuide) {}

void BluetoothViewController::viewDidLoad() {
    QWidget* root = view();
    logoItemImage_ = makePicture(root, ImageAsset::icon_Lumatix_dialog, logoSize);
    bluetoothTitleText_ =
        makeText(root, Localization::localizedString(LocalizedKey::BluetoothViewTitle), 16,
                 TextView::bold, colorNavy(), 0);
    bluetoothDescriptionText_ =
        makeText(root, Localization::localizedString(LocalizedKey::BluetoothViewDescription), 14,
                 TextView::regular, colorNavy(), 5);

    step1view_ = makePanel(root);
    animationView_ = new AnimationView(step1view_);
    animationView_->setFixedSize(pictureSize);
    animationView_->loadNamed(animationName, animationFolder);
    Accessibility::hideDecoration(animationView_);
    step1TitleText_ =
        makeText(step1view_, Localization::localizedString(LocalizedKey::BluetoothViewStep1Title),
                 16, TextView::bold, colorTabText(), 0);
    step1DescriptionText_ = makeText(
        step1view_, Localization::localizedString(LocalizedKey::BluetoothViewStep1Description), 14,
        TextView::regular, colorTabText(), 5);

    step2view_ = makePanel(root);
    step2Image_ = makePicture(step2view_, ImageAsset::img_step_02, pictureSize);
    step2TitleText_ =
        makeText(step2view_, Localization::localizedString(LocalizedKey::BluetoothViewStep2Title),
                 16, TextView::bold, colorTabText(), 0);

    step3view_ = makePanel(root);
    step3Image_ = makePicture(step3view_, ImageAsset::img_step_03, pictureSize);
    step3TitleText_ =
        makeText(step3view_, Localization::localizedString(LocalizedKey::BluetoothViewStep3Title),
                 16, TextView::bold, colorTabText(), 0);
    step3DescriptionText_ = makeText(
        step3view_, Localization::localizedString(LocalizedKey::BluetoothViewStep3Description), 14,
        TextView::regular, colorTabText(), 5);

    openBluetoothButton_ =
        new Button(Localization::localizedString(LocalizedKey::BluetoothSettingButtonTitle), root);
    ButtonStyle::stylePrimaryLarge(openBluetoothButton_);
    openBluetoothButton_->setFixedSize(openButtonSize);
    connect(openBluetoothButton_, &Button::clicked, this, [this] { didOpenBluetoothClick(); });

    addCornerButtons(root);
    startLayout();
}

void BluetoothViewController::layoutElements(QSize viewSize) {
    const int width = viewSize.width();
    const int textWidth = width - 2 * sideInset;
    logoItemImage_->move((width - logoSize.width()) / 2, logoTop);
    const int titleTop = logoTop + logoSize.height() + titleTopGap;
    bluetoothTitleText_->setGeometry(sideInset, titleTop, textWidth, titleHeight);
    const int descriptionTop = titleTop + titleHeight + descriptionTopGap;
    bluetoothDescriptionText_->setGeometry(sideInset, descriptionTop, textWidth, descriptionHeight);

    const int panelTop = descriptionTop + descriptionHeight + panelTopGap;
    const int step2Left = (width - panelWidth) / 2;
    const int pictureLeft = (panelWidth - pictureSize.width()) / 2;
    const int stepTitleTop = pictureTop + pictureSize.height() + pictureToTitle;
    const int stepTextWidth = panelWidth - 2 * textInset;
    const auto placeTexts = [&](TextView* title, TextView* description) {
        const int titleTextHeight = measuredHeight(title);
        title->setGeometry(textInset, stepTitleTop, stepTextWidth, titleTextHeight);
        if (description == nullptr) {
            return titleTextHeight;
        }
        const int descriptionTextHeight = measuredHeight(description);
        description->setGeometry(textInset, stepTitleTop + titleTextHeight + titleToDescription,
                                 stepTextWidth, descriptionTextHeight);
        return titleTextHeight + descriptionTextHeight;
    };

    animationView_->move(pictureLeft, pictureTop);
    step1view_->setGeometry(step2Left - panelGap - panelWidth, panelTop, panelWidth,
                            placeTexts(step1TitleText_, step1DescriptionText_) + 180);
    step2Image_->move(pictureLeft, pictureTop);
    step2view_->setGeometry(step2Left, panelTop, panelWidth,
                            placeTexts(step2TitleText_, nullptr) + 199);
    step3Image_->move(pictureLeft, pictureTop);
    step3view_->setGeometry(step2Left + panelWidth + panelGap, panelTop, panelWidth,
                            placeTexts(step3TitleText_, step3DescriptionText_) + 180);

    openBluetoothButton_->move((width - openButtonSize.width()) / 2,
                               viewSize.height() - openButtonBottomInset - openButtonSize.height());
    layoutCornerButtons(viewSize);
}

void BluetoothViewController::willStartStatusCheck() {
    animationView_->play();
}

void BluetoothViewController::checkStatusWithNotitfication() {
    if (speakerDevice().isPresent()) {
        handOver(ScreenEvent::speakerphoneFound);
    }
}

void BluetoothViewController::didOpenBluetoothClick() {
    platform::Log::line(log_lines::openBluetoothClick);
    // Without any Bluetooth settings the desktop settings write their own line; the guide stays.
    platform::Platform::desktopSettings().openBluetoothSettings();
}
