#include "ui/ButtonStyle.h"

#include "ui/Button.h"
#include "ui/Palette.h"

#include <gtest/gtest.h>

TEST(ButtonStyleTest, TabButtonSwitchesBetweenSelectedAndPlainKeepingItsTitle) {
    Button tab("Updates");
    ButtonStyle::styleTabButton(&tab, true);
    EXPECT_EQ(tab.appearance().titleColor, QColor(Qt::white));
    EXPECT_EQ(tab.appearance().background, colorNavy());

    ButtonStyle::styleTabButton(&tab, false);
    EXPECT_EQ(tab.appearance().titleColor, colorTabText());
    EXPECT_EQ(tab.appearance().background.alpha(), 0);
    EXPECT_EQ(tab.appearance().fontSize, 16);
    EXPECT_EQ(tab.appearance().cornerRadius, 20);
    EXPECT_EQ(tab.font().pixelSize(), 16);
    EXPECT_EQ(tab.text(), "Updates");
}

TEST(ButtonStyleTest, NamedStylesDifferOnlyWhereTheyShould) {
    Button primary("OK");
    Button secondary("Skip");
    ButtonStyle::stylePrimaryLarge(&primary);
    ButtonStyle::styleSecondaryLarge(&secondary);
    EXPECT_EQ(primary.appearance().background, colorAccent());
    EXPECT_EQ(primary.appearance().titleColor, QColor(Qt::white));
    EXPECT_EQ(secondary.appearance().border, colorSeparator());
    EXPECT_EQ(secondary.appearance().titleColor, colorNavy());
    for (const Button* button : {&primary, &secondary}) {
        EXPECT_EQ(button->appearance().cornerRadius, 28);
        EXPECT_EQ(button->appearance().borderWidth, 2);
        EXPECT_EQ(button->font().pixelSize(), 16);
    }
    Button small("Download");
    ButtonStyle::stylePrimarySmall(&small);
    EXPECT_EQ(small.appearance().cornerRadius, 16);
    EXPECT_EQ(small.font().pixelSize(), 14);
}

TEST(ButtonStyleTest, CardButtonKeepsAThinFrame) {
    Button card;
    ButtonStyle::styleCardButton(&card);
    EXPECT_EQ(card.appearance().borderWidth, 1);
    EXPECT_EQ(card.appearance().border, colorSeparator());
    EXPECT_EQ(card.appearance().cornerRadius, 28);
}
