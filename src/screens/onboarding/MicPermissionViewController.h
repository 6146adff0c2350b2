#pragma once

#include "screens/onboarding/OnboardingViewController.h"

// Shown while the desktop keeps the microphone from the application. It only sends the user
// to the settings that decide; the next launch asks again.
class MicPermissionViewController : public OnboardingViewController {
    Q_OBJECT

public:
    MicPermissionViewController();

    void didOpenSettingClick();

    [[nodiscard]] TextView* micPermissionTitleText() const { return micPermissionTitleText_; }
    [[nodiscard]] TextView* micPermissionDescriptionText() const {
        return micPermissionDescriptionText_;
    }
    [[nodiscard]] QLabel* micPermissionImage() const { return micPermissionImage_; }
    [[nodiscard]] Button* openSettingButton() const { return openSettingButton_; }

protected:
    void viewDidLoad() override;
    void layoutElements(QSize viewSize) override;

private:
    TextView* micPermissionTitleText_ = nullptr;
    TextView* micPermissionDescriptionText_ = nullptr;
    QLabel* micPermissionImage_ = nullptr;
    Button* openSettingButton_ = nullptr;
};
