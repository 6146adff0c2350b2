#pragma once

#include <QColor>

class Button;

// The shared button looks.
class ButtonStyle {
public:
    // A screen's main action, or the way out beside it.
    enum Emphasis { primary, secondary };
    enum TabState { unselected, selected };

    static void styleButton(Button* button, const QColor& background, const QColor& border,
                            const QColor& titleColor, int cornerRadius, int fontSize);
    static void styleTabButton(Button* button, TabState state);
    static void setTitleStyle(Button* button, const QColor& color, int fontSize);
    // Image-only buttons in a thin rounded frame.
    static void styleCardButton(Button* button);

    // The named styles the screens use.
    static void stylePrimaryLarge(Button* button);
    static void styleDisabledLarge(Button* button);
    static void styleSecondaryLarge(Button* button);
    static void stylePrimarySmall(Button* button);
    static void styleSecondarySmall(Button* button);
    static void styleInvisible(Button* button);
};
