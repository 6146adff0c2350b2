#pragma once

#include "ui/LocalizedKey.h"
#include "ui/ViewController.h"

#include <QColor>

class TextView;
class QWidget;

// What the Settings tabs share: a view the size of the Settings window's container, and plain
// read-only texts.
class SettingTabViewController : public ViewController {
    Q_OBJECT

public:
    // The container's size in the 680 × 400 Settings window.
    static constexpr QSize tabSize{480, 400};

protected:
    void loadView() override;
    void viewDidAppear() override;

    static TextView* makeText(QWidget* parent, const QString& text, const QColor& color,
                              int fontSize, bool bold);
    static TextView* makeText(QWidget* parent, LocalizedKey key, const QColor& color, int fontSize,
                              bool bold);
};
