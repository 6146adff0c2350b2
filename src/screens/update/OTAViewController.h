#pragma once

#include "screens/update/UpdateScreenViewController.h"

class Button;
class QLabel;
class TextView;

// Offers the new version: download it, or skip it (a forced update closes the application
// instead of skipping).
class OTAViewController : public UpdateScreenViewController {
    Q_OBJECT

public:
    static constexpr int pictureTop = 62;
    static constexpr int titleHeight = 42;
    static constexpr QSize buttonSize{140, 32};

    OTAViewController();
    ~OTAViewController() override;

    void didConfirmClick();
    void didCancelClick();

    [[nodiscard]] QLabel* checkImage() const { return checkImage_; }
    [[nodiscard]] TextView* checkTitleText() const { return checkTitleText_; }
    [[nodiscard]] Button* confirmButton() const { return confirmButton_; }
    [[nodiscard]] Button* cancelButton() const { return cancelButton_; }

protected:
    void viewDidLoad() override;
    void layoutElements(QSize viewSize) override;

private:
    QLabel* checkImage_ = nullptr;
    TextView* checkTitleText_ = nullptr;
    Button* confirmButton_ = nullptr;
    Button* cancelButton_ = nullptr;
};
