#pragma once

#include "ui/TabContentViewController.h"

#include <QSize>
#include <memory>

class Button;
class QLabel;
class TextView;
namespace platform {
class Timer;
}

// The Preference tab: whether the assistant starts at login, whether the speakerphone is
// connected, and whether Meeting mode follows calls, each with a lamp and a button. Refreshed every
// 3 seconds while it is shown.
class SettingPreferenceViewController : public TabContentViewController {
    Q_OBJECT

public:
    static constexpr int sideInset = 32;
    static constexpr int statusLeft = 54;
    static constexpr int rowTop = 24;
    static constexpr int textHeight = 19;
    static constexpr int statusGap = 8;
    static constexpr int buttonGap = 12;
    static constexpr int rowGap = 24;
    static constexpr int lampInset = 8;
    static constexpr QSize lampSize{6, 6};
    static constexpr QSize buttonSize{170, 32};
    static constexpr int buttonPadding = 24;

    SettingPreferenceViewController();
    ~SettingPreferenceViewController() override;

    // Reads both statuses again and shows them.
    void checkStatus();
    // Switches launch at login the other way: there is no system page for it here.
    void didLoginSettingClick();
    void didBTSettingClick();
    // Switches following calls the other way.
    void didFollowCallsClick();

    [[nodiscard]] TextView* loginStatusText() const { return loginStatusText_; }
    [[nodiscard]] QLabel* loginItemImage() const { return loginItemImage_; }
    [[nodiscard]] Button* loginSettingButton() const { return loginSettingButton_; }
    [[nodiscard]] TextView* BTStatusText() const { return BTStatusText_; }
    [[nodiscard]] QLabel* BTItemImage() const { return BTItemImage_; }
    [[nodiscard]] Button* BTSettingButton() const { return BTSettingButton_; }
    [[nodiscard]] TextView* followCallsStatusText() const { return followCallsStatusText_; }
    [[nodiscard]] QLabel* followCallsImage() const { return followCallsImage_; }
    [[nodiscard]] Button* followCallsButton() const { return followCallsButton_; }
    [[nodiscard]] const platform::Timer* checkStatusTimer() const {
        return checkStatusTimer_.get();
    }
    [[nodiscard]] bool showsLampOn(const QLabel* lamp) const;

protected:
    void viewDidLoad() override;
    void viewDidAppear() override;
    void viewDidDisappear() override;
    void layoutElements(QSize viewSize) override;

private:
    void showRow(TextView* status, QLabel* lamp, bool on, const QString& text);
    void showLoginItem(bool on);
    void nameLoginSwitch(bool on);
    void showFollowCalls(bool on);
    static void fitWidth(Button* button);

    TextView* loginTitleText_ = nullptr;
    QLabel* loginItemImage_ = nullptr;
    TextView* loginStatusText_ = nullptr;
    Button* loginSettingButton_ = nullptr;
    TextView* BTTitleText_ = nullptr;
    QLabel* BTItemImage_ = nullptr;
    TextView* BTStatusText_ = nullptr;
    Button* BTSettingButton_ = nullptr;
    TextView* followCallsTitleText_ = nullptr;
    QLabel* followCallsImage_ = nullptr;
    TextView* followCallsStatusText_ = nullptr;
    Button* followCallsButton_ = nullptr;
    std::unique_ptr<platform::Timer> checkStatusTimer_;
    bool loginItemOn_ = false;
};
