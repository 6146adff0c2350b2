#pragma once

#include "ui/TabContentViewController.h"

#include <QSize>

class Button;
class QLabel;
class TextView;

// The Update tab: the running version, when updates were last looked for, and a button that
// closes Settings so that the checking window takes its place.
class SettingUpdateViewController : public TabContentViewController {
    Q_OBJECT

public:
    static constexpr int imageTop = 32;
    static constexpr int imageLeft = 52;
    static constexpr QSize imageSize{131, 90};
    static constexpr int textLeftGap = 8;
    static constexpr int titleTop = 37;
    static constexpr int titleRightInset = 52;
    static constexpr int titleHeight = 19;
    static constexpr int statusGap = 10;
    static constexpr int statusWidth = 260;
    static constexpr int statusFontSize = 12;
    static constexpr int buttonGap = 10;
    static constexpr QSize buttonSize{170, 32};

    SettingUpdateViewController();
    ~SettingUpdateViewController() override;

    void didCheckUpdateClick();

    [[nodiscard]] TextView* updateTitleText() const { return updateTitleText_; }
    [[nodiscard]] TextView* updateStatusText() const { return updateStatusText_; }
    [[nodiscard]] Button* checkUpdateButton() const { return checkUpdateButton_; }

protected:
    void viewDidLoad() override;
    void layoutElements(QSize viewSize) override;

private:
    QLabel* updateImage_ = nullptr;
    TextView* updateTitleText_ = nullptr;
    TextView* updateStatusText_ = nullptr;
    Button* checkUpdateButton_ = nullptr;
    int statusHeight_ = 0;
};
