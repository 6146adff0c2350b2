#pragma once

#include "ui/TabbedViewController.h"

class Button;
class InfoQRCodeViewController;
class InfoSupportAPPViewController;
class InfoUserGuideViewController;

// The Information window's content: the phone app's QR codes, the user guides and the
// supported applications. Each selection of a tab, the automatic first one included, is
// reported to the usage statistics.
class InfoViewController : public TabbedViewController {
    Q_OBJECT

public:
    enum Tab : int { QRCode = 0, userGuide = 1, supportApp = 2 };

    InfoViewController();
    ~InfoViewController() override;

    [[nodiscard]] Button* QRCodeButton() const { return tabButton(QRCode); }
    [[nodiscard]] Button* userGuideButton() const { return tabButton(userGuide); }
    [[nodiscard]] Button* supportButton() const { return tabButton(supportApp); }
    [[nodiscard]] InfoQRCodeViewController* QRCodeVC() const;
    [[nodiscard]] InfoUserGuideViewController* userGuideVC() const;
    [[nodiscard]] InfoSupportAPPViewController* supportAppVC() const;

protected:
    void viewDidAppear() override;
    void tabSelected(int tag) override;
};
