#include "audio/AppManger.h"
#include "menu/MenuActions.h"
#include "menu/MenuHandler.h"
#include "ui/Localization.h"

#include <gtest/gtest.h>

namespace {

struct RecordingActions : MenuActions {
    void menuItemOpenBTClicked() override { calls.push_back("bluetooth"); }
    void menuItemMeetingModeClicked() override { calls.push_back("meeting"); }
    void menuItemMusicModeClicked() override { calls.push_back("music"); }
    void menuItemOpenAppClicked() override { calls.push_back("open"); }
    void menuItemSettingClicked() override { calls.push_back("settings"); }
    void menuItemInfoClicked() override { calls.push_back("info"); }
    void quitClicked() override { calls.push_back("quit"); }
    std::vector<std::string> calls;
};

std::vector<bool> enabledCommands(const MenuHandler& menu) {
    std::vector<bool> enabled;
    for (QAction* item : menu.actions()) {
        if (!item->isSeparator()) {
            enabled.push_back(item->isEnabled());
        }
    }
    return enabled;
}

class MenuHandlerTest : public ::testing::Test {
protected:
    void TearDown() override { mainScreenState = 0; }
    RecordingActions actions;
    MenuHandler menu{"MenuHandler", &actions};
};

} // namespace

TEST_F(MenuHandlerTest, TenEntriesInThreeGroups) {
    const auto items = menu.actions();
    ASSERT_EQ(items.size(), 10);
    std::string shape;
    for (QAction* item : items) {
        shape += item->isSeparator() ? '-' : 'x';
    }
    EXPECT_EQ(shape, "x-xx-xxx-x");
    EXPECT_EQ(items[0]->text(), Localization::localizedString(LocalizedKey::MenuItemOpenBT));
    EXPECT_EQ(items[9]->text(), Localization::localizedString(LocalizedKey::MenuItemExit));
    EXPECT_EQ(items[9]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    for (int i = 0; i < 9; ++i) {
        EXPECT_TRUE(items[i]->shortcut().isEmpty());
        EXPECT_FALSE(items[i]->isCheckable());
    }
}

TEST_F(MenuHandlerTest, EnablingFollowsTheScreenEachTimeTheMenuOpens) {
    mainScreenState = 0;
    menu.rebuildMenuState();
    EXPECT_EQ(enabledCommands(menu),
              (std::vector<bool>{false, false, false, true, false, false, false}));
    mainScreenState = 1;
    EXPECT_EQ(enabledCommands(menu)[0], false); // unchanged until it opens again
    Q_EMIT menu.aboutToShow();
    EXPECT_EQ(enabledCommands(menu), (std::vector<bool>{true, false, false, true, true, true, true}));
    mainScreenState = 2;
    menu.rebuildMenuState();
    EXPECT_EQ(enabledCommands(menu), std::vector<bool>(7, true));
}

TEST_F(MenuHandlerTest, CommandsReachTheDelegate) {
    for (QAction* item : menu.actions()) {
        if (!item->isSeparator()) {
            item->trigger();
        }
    }
    EXPECT_EQ(actions.calls, (std::vector<std::string>{"bluetooth", "meeting", "music", "open",
                                                       "settings", "info", "quit"}));
}

TEST_F(MenuHandlerTest, ItemsWithTheSameTitleAreFoundAsTheFirst) {
    const auto items = menu.actions();
    items[3]->setText(items[2]->text());
    EXPECT_EQ(menu.itemWithTitle(items[2]->text()), items[2]);
    EXPECT_EQ(menu.itemWithTitle("No such item"), nullptr);
}
