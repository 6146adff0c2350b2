#pragma once

#include "screens/onboarding/OnboardingViewController.h"

#include <memory>

namespace platform {
class Timer;
}

// Offers to start the application at login. The button switches it on; every 3 seconds the
// screen looks whether it is on and then moves on to the update check, as Skip does at once.
class LoginItemViewController : public OnboardingViewController {
    Q_OBJECT

public:
    LoginItemViewController();
    ~LoginItemViewController() override;

    void checkStatusWithNotitfication();
    void didOpenSettingClick();
    void didSkipClick();

    [[nodiscard]] TextView* loginItemTitleText() const { return loginItemTitleText_; }
    [[nodiscard]] TextView* loginItemDescriptionText() const { return loginItemDescriptionText_; }
    [[nodiscard]] QLabel* loginItemImage() const { return loginItemImage_; }
    [[nodiscard]] Button* openSettingButton() const { return openSettingButton_; }
    [[nodiscard]] Button* skipButton() const { return skipButton_; }
    [[nodiscard]] const platform::Timer* checkStatusTimer() const {
        return checkStatusTimer_.get();
    }

protected:
    void viewDidLoad() override;
    void viewDidAppear() override;
    void viewDidDisappear() override;
    void layoutElements(QSize viewSize) override;

private:
    // At most once: Skip and a tick may both ask within one turn of the event loop.
    void moveOn();

    TextView* loginItemTitleText_ = nullptr;
    TextView* loginItemDescriptionText_ = nullptr;
    QLabel* loginItemImage_ = nullptr;
    Button* openSettingButton_ = nullptr;
    Button* skipButton_ = nullptr;
    std::unique_ptr<platform::Timer> checkStatusTimer_;
    bool movingOn_ = false;
};
