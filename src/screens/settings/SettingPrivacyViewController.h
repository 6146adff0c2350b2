#pragma once

#include "ui/TabContentViewController.h"

#include <QSize>

class Button;
class TextView;

// The Privacy tab: the usage-statistics text and the switch that gives or withdraws consent,
// stored at once.
class SettingPrivacyViewController : public TabContentViewController {
    Q_OBJECT

public:
    static constexpr int titleTop = 32;
    static constexpr int sideInset = 32;
    static constexpr int titleHeight = 19;
    static constexpr int contentGap = 8;
    static constexpr int contentRightInset = 44;
    static constexpr int contentHeight = 220;
    static constexpr int switchGap = 12;
    static constexpr QSize switchSize{40, 20};
    static constexpr int checkTitleGap = 8;
    static constexpr int checkTitleHeight = 16;

    SettingPrivacyViewController();
    ~SettingPrivacyViewController() override;

    // The switch was clicked (its state already flipped).
    void didCheckButtonClick();

    [[nodiscard]] TextView* privacyContentText() const { return privacyContentText_; }
    [[nodiscard]] Button* checkButton() const { return checkButton_; }
    [[nodiscard]] TextView* checkTitleText() const { return checkTitleText_; }

protected:
    void viewDidLoad() override;
    void layoutElements(QSize viewSize) override;

private:
    void showConsent();

    TextView* privacyTitleText_ = nullptr;
    TextView* privacyContentText_ = nullptr;
    Button* checkButton_ = nullptr;
    TextView* checkTitleText_ = nullptr;
};
