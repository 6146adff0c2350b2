#pragma once

#include <QWidget>

// The focus mark of controls that draw none of their own (texts and lists that scroll): a ring
// just inside the control's edge while it has the focus from the keyboard.
class FocusRing : public QWidget {
    Q_OBJECT

public:
    // The ring lives on the control and goes with it.
    static FocusRing* attach(QWidget* control, int cornerRadius = 4);

    [[nodiscard]] static FocusRing* of(const QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    FocusRing(QWidget* control, int cornerRadius);
    void follow();

    QWidget* control_;
    int cornerRadius_;
};
