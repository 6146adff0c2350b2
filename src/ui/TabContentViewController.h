#pragma once

#include "ui/LocalizedKey.h"
#include "ui/TextView.h"
#include "ui/ViewController.h"

#include <QColor>

class QWidget;

// What the tabs of the Settings and Information windows share: a view the size of their
// container, a white window, and plain read-only texts.
class TabContentViewController : public ViewController {
    Q_OBJECT

public:
    // The container's size in a 680 × 400 tabbed window.
    static constexpr QSize tabSize{480, 400};

protected:
    void loadView() override;
    void viewDidAppear() override;

    static TextView* makeText(QWidget* parent, const QString& text, const QColor& color,
                              int fontSize, TextView::Weight weight);
    static TextView* makeText(QWidget* parent, LocalizedKey key, const QColor& color, int fontSize,
                              TextView::Weight weight);
};
