#pragma once

#include "screens/update/UpdateScreenViewController.h"

class Button;
class QLabel;
class TextView;

// Says that no newer version is on offer. Only ever a modal window.
class NoNeedOTAViewController : public UpdateScreenViewController {
    Q_OBJECT

public:
    static constexpr int pictureTop = 62;
    static constexpr int titleHeight = 42;
    static constexpr QSize buttonSize{140, 32};

    NoNeedOTAViewController();
    ~NoNeedOTAViewController() override;

    void didConfirmClick();

    [[nodiscard]] QLabel* checkImage() const { return checkImage_; }
    [[nodiscard]] TextView* checkTitleText() const { return checkTitleText_; }
    [[nodiscard]] Button* confirmButton() const { return confirmButton_; }

protected:
    void viewDidLoad() override;
    void layoutElements(QSize viewSize) override;

private:
    QLabel* checkImage_ = nullptr;
    TextView* checkTitleText_ = nullptr;
    Button* confirmButton_ = nullptr;
};
