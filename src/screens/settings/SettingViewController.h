#pragma once

#include "ui/ViewController.h"

#include <QSize>
#include <memory>

class Button;
class QFrame;
class QWidget;
class SettingPreferenceViewController;
class SettingPrivacyViewController;
class SettingUpdateViewController;

// The Settings window's content: a column of three tab buttons and the selected tab beside it.
class SettingViewController : public ViewController {
    Q_OBJECT

public:
    enum Tab : int { preference = 0, update = 1, privacy = 2 };

    static constexpr int containerLeft = 200;
    static constexpr int tabButtonLeft = 16;
    static constexpr int tabButtonTop = 24;
    static constexpr int tabButtonGap = 4;
    static constexpr QSize tabButtonSize{168, 40};

    SettingViewController();
    ~SettingViewController() override;

    // A tab button was clicked (its toggle already flipped); the tag says which.
    void didCategoryButtonClick(int tag);

    [[nodiscard]] Button* preferenceButton() const { return preferenceButton_; }
    [[nodiscard]] Button* updateButton() const { return updateButton_; }
    [[nodiscard]] Button* privacyButton() const { return privacyButton_; }
    [[nodiscard]] QWidget* containerView() const { return containerView_; }
    [[nodiscard]] SettingPreferenceViewController* preferenceVC() const {
        return preferenceVC_.get();
    }
    [[nodiscard]] SettingUpdateViewController* updateVC() const { return updateVC_.get(); }
    [[nodiscard]] SettingPrivacyViewController* privacyVC() const { return privacyVC_.get(); }

protected:
    void viewDidLoad() override;
    void viewDidAppear() override;
    void layoutElements(QSize viewSize) override;

private:
    Button* makeTabButton(QWidget* parent, Tab tag);

    std::unique_ptr<SettingPreferenceViewController> preferenceVC_;
    std::unique_ptr<SettingUpdateViewController> updateVC_;
    std::unique_ptr<SettingPrivacyViewController> privacyVC_;
    Button* preferenceButton_ = nullptr;
    Button* updateButton_ = nullptr;
    Button* privacyButton_ = nullptr;
    QWidget* containerView_ = nullptr;
    QFrame* line_ = nullptr;
};
