#pragma once

#include "ui/ViewController.h"

// The Settings window's content.
class SettingViewController : public ViewController {
    Q_OBJECT

protected:
    void viewDidAppear() override;
};
