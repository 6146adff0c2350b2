#include "screens/settings/SettingPreferenceViewController.h"

#include "audio/Audio.h"
#include "core/FollowCalls.h"
#include "core/LogLines.h"
#include "core/SpeakerDevice.h"
#include "core/StatusCheckInterval.h"
#include "platform/DesktopSettings.h"
#include "platform/Log.h"
#include "platform/LoginItem.h"
#include "platform/MainQueue.h"
#include "platform/Platform.h"
#include "platform/Timer.h"
#include "ui/Accessibility.h"
#include "ui/Button.h"
#include "ui/ButtonStyle.h"
#include "ui/ImageLibrary.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/TextView.h"

#include <QLabel>
#include <QPointer>

namespace {

QColor onColor() {
    return QColor(160, 198, 61);
}

QLabel* makeLamp(QWidget* parent) {
    auto* lamp = ImageLibrary::pictureLabel(ImageAsset::icon_light_off,
                                            SettingPreferenceViewController::lampSize, parent);
    lamp->setProperty("lampOn", false);
    // The status text beside it says the same.
    Accessibility::hideDecoration(lamp);
    return lamp;
}

} // namespace

SettingPreferenceViewController::SettingPreferenceViewController() = default;
SettingPreferenceViewController::~SettingPreferenceViewController() = default;

void SettingPreferenceViewController::viewDidLoad() {
    QWidget* root = view();
    loginTitleText_ =
        makeText(root, LocalizedKey::SettingPreferenceLoginTitle, colorNavy(), 14, TextView::bold);
    loginStatusText_ = makeText(root, LocalizedKey::SettingPreferenceLoginDisable, colorSlateGrey(),
                                14, TextView::bold);
    loginItemImage_ = makeLamp(root);
    loginSettingButton_ = new Button(
        Localization::localizedString(LocalizedKey::LoginItemOpenSettingButtonTitle), root);
    ButtonStyle::styleSecondarySmall(loginSettingButton_);
    fitWidth(loginSettingButton_);
    nameLoginSwitch(loginItemOn_);
    connect(loginSettingButton_, &Button::clicked, this, [this] { didLoginSettingClick(); });

    BTTitleText_ =
        makeText(root, LocalizedKey::SettingPreferenceBTTitle, colorNavy(), 14, TextView::bold);
    BTStatusText_ = makeText(root, LocalizedKey::SettingPreferenceBTDisconnect, colorSlateGrey(),
                             14, TextView::bold);
    BTItemImage_ = makeLamp(root);
    BTSettingButton_ =
        new Button(Localization::localizedString(LocalizedKey::BluetoothSettingButtonTitle), root);
    ButtonStyle::styleSecondarySmall(BTSettingButton_);
    fitWidth(BTSettingButton_);
    connect(BTSettingButton_, &Button::clicked, this, [this] { didBTSettingClick(); });

    followCallsTitleText_ = makeText(root, LocalizedKey::SettingPreferenceFollowCallsTitle,
                                     colorNavy(), 14, TextView::bold);
    followCallsStatusText_ = makeText(root, LocalizedKey::SettingPreferenceFollowCallsOff,
                                      colorSlateGrey(), 14, TextView::bold);
    followCallsImage_ = makeLamp(root);
    followCallsButton_ =
        new Button(Localization::localizedString(LocalizedKey::FollowCallsTurnOnButtonTitle), root);
    ButtonStyle::styleSecondarySmall(followCallsButton_);
    showFollowCalls(false);
    connect(followCallsButton_, &Button::clicked, this, [this] { didFollowCallsClick(); });
    startLayout();
}

void SettingPreferenceViewController::layoutElements(QSize viewSize) {
    const int textWidth = viewSize.width() - sideInset - sideInset;
    const int statusWidth = viewSize.width() - statusLeft - sideInset;
    int top = rowTop;
    const auto placeRow = [&](TextView* title, TextView* status, QLabel* lamp, Button* button) {
        title->setGeometry(sideInset, top, textWidth, textHeight);
        top += textHeight + statusGap;
        status->setGeometry(statusLeft, top, statusWidth, textHeight);
        const int lampLeft = sideInset + lampInset;
        lamp->move(lampLeft, top + (textHeight - lampSize.height()) / 2);
        top += textHeight + buttonGap;
        button->move(lampLeft, top);
        top += buttonSize.height() + rowGap;
    };
    placeRow(loginTitleText_, loginStatusText_, loginItemImage_, loginSettingButton_);
    placeRow(BTTitleText_, BTStatusText_, BTItemImage_, BTSettingButton_);
    placeRow(followCallsTitleText_, followCallsStatusText_, followCallsImage_, followCallsButton_);
}

void SettingPreferenceViewController::viewDidAppear() {
    TabContentViewController::viewDidAppear();
    checkStatus();
    checkStatusTimer_ = platform::Timer::scheduled(statusCheckInterval, platform::Timer::repeating,
                                                   [this] { checkStatus(); });
}

void SettingPreferenceViewController::viewDidDisappear() {
    checkStatusTimer_.reset();
}

// The rows change just after the statuses are read, on the main queue.
void SettingPreferenceViewController::checkStatus() {
    const bool loginItemOn =
        platform::Platform::loginItem().status() == platform::LoginItemStatus::enabled;
    QPointer self(this);
    platform::MainQueue::async([self, loginItemOn] {
        if (!self.isNull()) {
            self->showLoginItem(loginItemOn);
        }
    });
    // The command line may have changed it.
    const bool followingCalls = FollowCalls::isOn();
    platform::MainQueue::async([self, followingCalls] {
        if (!self.isNull()) {
            self->showFollowCalls(followingCalls);
        }
    });
    Audio::refreshSpeakerDevice();
    const auto name = speakerDevice().name;
    platform::MainQueue::async([self, name] {
        if (self.isNull()) {
            return;
        }
        const bool connected = name.has_value();
        self->showRow(
            self->BTStatusText_, self->BTItemImage_, connected,
            connected ? Localization::localizedFormat(LocalizedKey::SettingPreferenceBTConnect,
                                                      QString::fromStdString(*name))
                      : Localization::localizedString(LocalizedKey::SettingPreferenceBTDisconnect));
    });
}

void SettingPreferenceViewController::showLoginItem(bool on) {
    loginItemOn_ = on;
    showRow(loginStatusText_, loginItemImage_, on,
            Localization::localizedString(on ? LocalizedKey::SettingPreferenceLoginEnable
                                             : LocalizedKey::SettingPreferenceLoginDisable));
    loginSettingButton_->setText(
        Localization::localizedString(on ? LocalizedKey::LoginItemTurnOffButtonTitle
                                         : LocalizedKey::LoginItemOpenSettingButtonTitle));
    fitWidth(loginSettingButton_);
    nameLoginSwitch(on);
}

// Screen readers hear the state first; the title, what a press does, follows.
void SettingPreferenceViewController::nameLoginSwitch(bool on) {
    Accessibility::setName(loginSettingButton_,
                           on ? AccessibleKey::StartAtLoginOn : AccessibleKey::StartAtLoginOff);
    loginSettingButton_->setAccessibleDescription(loginSettingButton_->text());
}

void SettingPreferenceViewController::showFollowCalls(bool on) {
    showRow(followCallsStatusText_, followCallsImage_, on,
            Localization::localizedString(on ? LocalizedKey::SettingPreferenceFollowCallsOn
                                             : LocalizedKey::SettingPreferenceFollowCallsOff));
    followCallsButton_->setText(
        Localization::localizedString(on ? LocalizedKey::FollowCallsTurnOffButtonTitle
                                         : LocalizedKey::FollowCallsTurnOnButtonTitle));
    fitWidth(followCallsButton_);
    Accessibility::setName(followCallsButton_,
                           on ? AccessibleKey::FollowCallsOn : AccessibleKey::FollowCallsOff);
    followCallsButton_->setAccessibleDescription(followCallsButton_->text());
}

// Some translations need more than the usual width.
void SettingPreferenceViewController::fitWidth(Button* button) {
    const int needed = button->fontMetrics().horizontalAdvance(button->text()) + buttonPadding;
    button->setFixedSize(std::max(buttonSize.width(), needed), buttonSize.height());
}

void SettingPreferenceViewController::showRow(TextView* status, QLabel* lamp, bool on,
                                              const QString& text) {
    status->setTextColor(on ? onColor() : colorSlateGrey());
    status->setText(text);
    lamp->setPixmap(
        ImageLibrary::pixmap(on ? ImageAsset::icon_light_on : ImageAsset::icon_light_off, lampSize,
                             lamp->devicePixelRatioF()));
    lamp->setProperty("lampOn", on);
}

bool SettingPreferenceViewController::showsLampOn(const QLabel* lamp) const {
    return lamp != nullptr && lamp->property("lampOn").toBool();
}

void SettingPreferenceViewController::didLoginSettingClick() {
    platform::Log::line(log_lines::loginSettingClick);
    auto& loginItem = platform::Platform::loginItem();
    // A failure writes its own line; the row shows what is really there either way.
    loginItemOn_ ? loginItem.disable() : loginItem.enable();
    checkStatus();
}

void SettingPreferenceViewController::didBTSettingClick() {
    platform::Log::line(log_lines::btSettingClick);
    platform::Platform::desktopSettings().openBluetoothSettings();
}

void SettingPreferenceViewController::didFollowCallsClick() {
    const bool on = !FollowCalls::isOn();
    platform::Log::line(on ? "following calls: turned on" : "following calls: turned off");
    // A failure writes its own line; the row shows what is really stored either way.
    (void)FollowCalls::setOn(on);
    showFollowCalls(FollowCalls::isOn());
}
