#pragma once

#include <QColor>
#include <QWidget>

// A plain rounded card: a filled background with a 1-point border.
class CardView : public QWidget {
    Q_OBJECT

public:
    CardView(const QColor& background, const QColor& border, int cornerRadius, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_;
    QColor border_;
    int cornerRadius_;
};
