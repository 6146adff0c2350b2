#include "screens/settings/SettingViewController.h"

#include "screens/settings/SettingPreferenceViewController.h"
#include "screens/settings/SettingPrivacyViewController.h"
#include "screens/settings/SettingUpdateViewController.h"
#include "ui/WindowSetup.h"

namespace {

std::vector<TabbedViewController::TabItem> settingTabs() {
    using A = ImageAsset;
    std::vector<TabbedViewController::TabItem> tabs;
    tabs.push_back({LocalizedKey::SettingPreferenceButtonTitle, A::btn_tab_preference_default,
                    A::btn_tab_preference_selected,
                    std::make_unique<SettingPreferenceViewController>()});
    tabs.push_back({LocalizedKey::SettingUpdateButtonTitle, A::btn_tab_updates_default,
                    A::btn_tab_updates_selected, std::make_unique<SettingUpdateViewController>()});
    tabs.push_back({LocalizedKey::SettingPrivacyButtonTitle, A::btn_tab_privacy_default,
                    A::btn_tab_privacy_selected, std::make_unique<SettingPrivacyViewController>()});
    return tabs;
}

} // namespace

SettingViewController::SettingViewController() : TabbedViewController(settingTabs()) {}

SettingViewController::~SettingViewController() = default;

SettingPreferenceViewController* SettingViewController::preferenceVC() const {
    return static_cast<SettingPreferenceViewController*>(tabContent(preference));
}

SettingUpdateViewController* SettingViewController::updateVC() const {
    return static_cast<SettingUpdateViewController*>(tabContent(update));
}

SettingPrivacyViewController* SettingViewController::privacyVC() const {
    return static_cast<SettingPrivacyViewController*>(tabContent(privacy));
}

void SettingViewController::viewDidAppear() {
    WindowSetup::showSecondaryWindow(*this, LocalizedKey::SettingViewTitle);
    report(ScreenEvent::settingsShown);
}
