#pragma once

#include "ui/ViewController.h"

// The Information window's content.
class InfoViewController : public ViewController {
    Q_OBJECT

protected:
    void viewDidAppear() override;
};
