#include "ui/ButtonStyle.h"

#include "ui/Button.h"
#include "ui/Palette.h"

void ButtonStyle::styleButton(Button* button, const QColor& background, const QColor& border,
                              const QColor& titleColor, int cornerRadius, int fontSize) {
    ButtonAppearance appearance = button->appearance();
    appearance.background = background;
    appearance.border = border;
    appearance.borderWidth = 2;
    appearance.cornerRadius = cornerRadius;
    button->setAppearance(appearance);
    setTitleStyle(button, titleColor, fontSize);
}

void ButtonStyle::styleTabButton(Button* button, TabState state) {
    const bool selected = state == ButtonStyle::selected;
    ButtonAppearance appearance = button->appearance();
    appearance.titleColor = selected ? QColor(Qt::white) : colorTabText();
    appearance.fontSize = 16;
    appearance.border = Qt::white;
    appearance.borderWidth = 0;
    appearance.cornerRadius = 20;
    appearance.background = selected ? colorNavy() : QColor(Qt::transparent);
    appearance.highlightsByBackground = true;
    button->setAppearance(appearance);
}

void ButtonStyle::setTitleStyle(Button* button, const QColor& color, int fontSize) {
    ButtonAppearance appearance = button->appearance();
    appearance.titleColor = color;
    appearance.fontSize = fontSize;
    button->setAppearance(appearance);
}

void ButtonStyle::styleCardButton(Button* button) {
    ButtonAppearance appearance = button->appearance();
    appearance.border = colorSeparator();
    appearance.borderWidth = 1;
    appearance.cornerRadius = 28;
    appearance.background = Qt::transparent;
    button->setAppearance(appearance);
}

void ButtonStyle::stylePrimaryLarge(Button* button) {
    styleButton(button, colorAccent(), colorAccent(), Qt::white, 28, 16);
}

void ButtonStyle::styleDisabledLarge(Button* button) {
    styleButton(button, colorStandardGrey(), colorStandardGrey(), Qt::white, 28, 16);
}

void ButtonStyle::styleSecondaryLarge(Button* button) {
    styleButton(button, Qt::transparent, colorSeparator(), colorNavy(), 28, 16);
}

void ButtonStyle::stylePrimarySmall(Button* button) {
    styleButton(button, colorAccent(), colorAccent(), Qt::white, 16, 14);
}

void ButtonStyle::styleSecondarySmall(Button* button) {
    styleButton(button, Qt::transparent, colorSeparator(), colorNavy(), 16, 14);
}

void ButtonStyle::styleInvisible(Button* button) {
    styleButton(button, Qt::transparent, Qt::transparent, Qt::transparent, 28, 16);
    ButtonAppearance appearance = button->appearance();
    // The whole panel under it is the visible part; a press must not paint over it.
    appearance.highlightsByBackground = false;
    button->setAppearance(appearance);
}
