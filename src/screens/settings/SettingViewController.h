#pragma once

#include "ui/TabbedViewController.h"

class Button;
class SettingPreferenceViewController;
class SettingPrivacyViewController;
class SettingUpdateViewController;

// The Settings window's content: Preference, Updates and Privacy tabs.
class SettingViewController : public TabbedViewController {
    Q_OBJECT

public:
    enum Tab : int { preference = 0, update = 1, privacy = 2 };

    SettingViewController();
    ~SettingViewController() override;

    [[nodiscard]] Button* preferenceButton() const { return tabButton(preference); }
    [[nodiscard]] Button* updateButton() const { return tabButton(update); }
    [[nodiscard]] Button* privacyButton() const { return tabButton(privacy); }
    [[nodiscard]] SettingPreferenceViewController* preferenceVC() const;
    [[nodiscard]] SettingUpdateViewController* updateVC() const;
    [[nodiscard]] SettingPrivacyViewController* privacyVC() const;

protected:
    void viewDidAppear() override;
};
