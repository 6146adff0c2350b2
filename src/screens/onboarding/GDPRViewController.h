#pragma once

#include "screens/onboarding/AgreementViewController.h"

// Asks once whether usage data may be sent. Either answer is stored and leads on to the
// daily screens; the first agreement also reports the launch.
class GDPRViewController : public AgreementViewController {
    Q_OBJECT

public:
    GDPRViewController();

    void didAgreeClick() override;
    void didCancelClick() override;

protected:
    bool loadContent(TextView* content) override;
};
