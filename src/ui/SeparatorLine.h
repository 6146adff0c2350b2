#pragma once

#include <QWidget>

// A 1-point line in the separator colour; its owner places it.
class SeparatorLine : public QWidget {
    Q_OBJECT

public:
    explicit SeparatorLine(QWidget* parent);
};
