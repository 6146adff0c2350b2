#include "ui/ButtonStyle.h"

#include "ui/Button.h"
#include "ui/Palette.h"

#include <gtest/gtest.h>

// A tab button is restyled on every tab switch; the plain style must undo the selected one.
TEST(ButtonStyleTest, TabButtonSwitchedToPlainLosesTheSelectedLookAndKeepsItsTitle) {
    Button tab("Updates");
    ButtonStyle::styleTabButton(&tab, true);
    ButtonStyle::styleTabButton(&tab, false);
    EXPECT_EQ(tab.appearance().titleColor, colorTabText());
    EXPECT_EQ(tab.appearance().background.alpha(), 0);
    EXPECT_EQ(tab.font().pixelSize(), 16);
    EXPECT_EQ(tab.text(), "Updates");
}
