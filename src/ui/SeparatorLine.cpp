#include "ui/SeparatorLine.h"

#include "ui/Accessibility.h"
#include "ui/Palette.h"

SeparatorLine::SeparatorLine(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette separator = palette();
    separator.setColor(QPalette::Window, colorSeparator());
    setPalette(separator);
    Accessibility::hideDecoration(this);
}
