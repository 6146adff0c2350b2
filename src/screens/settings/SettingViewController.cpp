#include "screens/settings/SettingViewController.h"

#include "core/LogLines.h"
#include "core/ProcessState.h"
#include "platform/Log.h"
#include "screens/settings/SettingPreferenceViewController.h"
#include "screens/settings/SettingPrivacyViewController.h"
#include "screens/settings/SettingUpdateViewController.h"
#include "ui/Button.h"
#include "ui/ButtonStyle.h"
#include "ui/ImageAsset.h"
#include "ui/ImageLibrary.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/WindowSetup.h"

#include <QFrame>
#include <QWidget>

namespace {

struct TabLook {
    LocalizedKey title;
    ImageAsset image;
    ImageAsset selectedImage;
};

TabLook lookOf(SettingViewController::Tab tab) {
    switch (tab) {
    case SettingViewController::preference:
        break;
    case SettingViewController::update:
        return {LocalizedKey::SettingUpdateButtonTitle, ImageAsset::btn_tab_updates_default,
                ImageAsset::btn_tab_updates_selected};
    case SettingViewController::privacy:
        return {LocalizedKey::SettingPrivacyButtonTitle, ImageAsset::btn_tab_privacy_default,
                ImageAsset::btn_tab_privacy_selected};
    }
    return {LocalizedKey::SettingPreferenceButtonTitle, ImageAsset::btn_tab_preference_default,
            ImageAsset::btn_tab_preference_selected};
}

} // namespace

SettingViewController::SettingViewController()
    : preferenceVC_(std::make_unique<SettingPreferenceViewController>()),
      updateVC_(std::make_unique<SettingUpdateViewController>()),
      privacyVC_(std::make_unique<SettingPrivacyViewController>()) {}

SettingViewController::~SettingViewController() = default;

Button* SettingViewController::makeTabButton(QWidget* parent, Tab tag) {
    const TabLook look = lookOf(tag);
    auto* button = new Button(Localization::localizedString(look.title), parent);
    // A toggle: the selected image while it is on.
    button->setCheckable(true);
    button->setIcon(ImageLibrary::toggleIcon(look.image, look.selectedImage));
    button->setIconSize(ImageLibrary::naturalSize(look.image));
    button->setFixedSize(tabButtonSize);
    ButtonAppearance appearance = button->appearance();
    appearance.imageBesideTitle = true;
    button->setAppearance(appearance);
    ButtonStyle::styleTabButton(button, false);
    connect(button, &Button::clicked, this, [this, tag] { didCategoryButtonClick(tag); });
    return button;
}

void SettingViewController::viewDidLoad() {
    addChildViewController(preferenceVC_.get());
    addChildViewController(updateVC_.get());
    addChildViewController(privacyVC_.get());
    QWidget* root = view();
    containerView_ = new QWidget(root);
    line_ = new QFrame(root);
    line_->setAutoFillBackground(true);
    QPalette separator = line_->palette();
    separator.setColor(QPalette::Window, colorSeparator());
    line_->setPalette(separator);
    preferenceButton_ = makeTabButton(root, preference);
    updateButton_ = makeTabButton(root, update);
    privacyButton_ = makeTabButton(root, privacy);
    startLayout();
    preferenceButton_->setChecked(true);
    didCategoryButtonClick(preference);
}

void SettingViewController::layoutElements(QSize viewSize) {
    containerView_->setGeometry(containerLeft, 0, viewSize.width() - containerLeft,
                                viewSize.height());
    line_->setGeometry(containerLeft - 1, 0, 1, viewSize.height());
    int top = tabButtonTop;
    for (Button* button : {preferenceButton_, updateButton_, privacyButton_}) {
        button->move(tabButtonLeft, top);
        top += tabButtonSize.height() + tabButtonGap;
    }
}

void SettingViewController::viewDidAppear() {
    WindowSetup::showSecondaryWindow(*this, LocalizedKey::SettingViewTitle);
    // Opening Settings ends any update flow that was waiting for a window to close.
    pendingUpdateScreen = UpdateScreen::none;
}

// A click on the selected tab turns its toggle off first; it is turned on again here, so
// exactly one tab is always on.
void SettingViewController::didCategoryButtonClick(int tag) {
    platform::Log::line(log_lines::categoryButtonClick);
    ViewController* shown = nullptr;
    switch (tag) {
    case preference:
        shown = preferenceVC_.get();
        break;
    case update:
        shown = updateVC_.get();
        break;
    case privacy:
        shown = privacyVC_.get();
        break;
    default:
        return;
    }
    preferenceButton_->setChecked(tag == preference);
    updateButton_->setChecked(tag == update);
    privacyButton_->setChecked(tag == privacy);
    for (Button* button : {preferenceButton_, updateButton_, privacyButton_}) {
        ButtonStyle::styleTabButton(button, button->isChecked());
    }
    showChildView(shown, containerView_);
}
