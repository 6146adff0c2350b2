#include "screens/settings/SettingUpdateViewController.h"

#include "core/LogLines.h"
#include "core/PersistedSettings.h"
#include "platform/Log.h"
#include "region/AppUtility.h"
#include "ui/Accessibility.h"
#include "ui/Button.h"
#include "ui/ButtonStyle.h"
#include "ui/ImageLibrary.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/TextMetrics.h"
#include "ui/TextView.h"

#include <QLabel>

SettingUpdateViewController::SettingUpdateViewController() = default;
SettingUpdateViewController::~SettingUpdateViewController() = default;

// The texts keep the values of the moment the tab is first shown.
void SettingUpdateViewController::viewDidLoad() {
    QWidget* root = view();
    updateImage_ = ImageLibrary::pictureLabel(ImageAsset::img_updates, imageSize, root);
    Accessibility::hideDecoration(updateImage_);
    updateTitleText_ =
        makeText(root,
                 Localization::localizedFormat(LocalizedKey::SettingUpdateTitle,
                                               QString::fromStdString(AppUtility::getVersion())),
                 colorNavy(), 14, TextView::bold);
    const QString status = Localization::localizedFormat(
        LocalizedKey::SettingUpdateDescription,
        QString::fromStdString(PersistedSettings::getLastCheckOTADate()));
    updateStatusText_ = makeText(root, status, colorNavy(), statusFontSize, TextView::regular);
    statusHeight_ =
        TextMetrics::measureTextHeight(status, updateStatusText_->font(), statusWidth, 0);
    checkUpdateButton_ = new Button(
        Localization::localizedString(LocalizedKey::SettingCheckUpdateButtonTitle), root);
    ButtonStyle::stylePrimarySmall(checkUpdateButton_);
    checkUpdateButton_->setFixedSize(buttonSize);
    connect(checkUpdateButton_, &Button::clicked, this, [this] { didCheckUpdateClick(); });
    startLayout();
}

void SettingUpdateViewController::layoutElements(QSize viewSize) {
    updateImage_->move(imageLeft, imageTop);
    const int textLeft = imageLeft + imageSize.width() + textLeftGap;
    updateTitleText_->setGeometry(textLeft, titleTop, viewSize.width() - titleRightInset - textLeft,
                                  titleHeight);
    const int statusTop = titleTop + titleHeight + statusGap;
    updateStatusText_->setGeometry(textLeft, statusTop, statusWidth, statusHeight_);
    checkUpdateButton_->move(textLeft + (statusWidth - buttonSize.width()) / 2,
                             statusTop + statusHeight_ + buttonGap);
}

// Heard as the Settings window's report: Settings closes, and the screen that presented it
// shows the checking window in its place.
void SettingUpdateViewController::didCheckUpdateClick() {
    platform::Log::line(log_lines::checkUpdateClick);
    report(ScreenEvent::updateCheckRequested);
}
