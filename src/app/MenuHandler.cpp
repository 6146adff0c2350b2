#include "app/MenuHandler.h"

#include "app/MenuActions.h"
#include "core/ProcessStateSignals.h"
#include "ui/Localization.h"

MenuHandler::MenuHandler(const QString& title, MenuActions* target, QWidget* parent)
    : QMenu(title, parent), target_(target) {
    buildMenuItems();
    // Tray hosts differ in whether and when they announce an opening, so the items also
    // follow the screen as it changes.
    connect(this, &QMenu::aboutToShow, this, &MenuHandler::rebuildMenuState);
    connect(&ProcessStateSignals::shared(), &ProcessStateSignals::mainScreenStateChanged, this,
            &MenuHandler::rebuildMenuState);
}

const std::vector<std::pair<MenuHandler::Command, LocalizedKey>>& MenuHandler::commands() {
    static const std::vector<std::pair<Command, LocalizedKey>> list{
        {Command::openBluetooth, LocalizedKey::MenuItemOpenBT},
        {Command::meetingMode, LocalizedKey::MenuItemMeetingMode},
        {Command::musicMode, LocalizedKey::MenuItemMusicMode},
        {Command::openApplication, LocalizedKey::MenuItemOpenApp},
        {Command::settings, LocalizedKey::MenuItemSetting},
        {Command::information, LocalizedKey::MenuItemInfo},
        {Command::quit, LocalizedKey::MenuItemExit},
    };
    return list;
}

bool MenuHandler::isEnabled(Command command, MainScreen screen) {
    switch (command) {
    case Command::openApplication:
    // The tray menu is the only place to quit from, so Quit stays usable on every screen.
    case Command::quit:
        return true;
    case Command::meetingMode:
    case Command::musicMode:
        return screen == MainScreen::mode;
    case Command::openBluetooth:
    case Command::settings:
    case Command::information:
        return screen != MainScreen::firstRun;
    }
    return false;
}

void MenuHandler::buildMenuItems() {
    for (const auto& [command, key] : commands()) {
        QAction* item = addAction(Localization::localizedString(key));
        connect(item, &QAction::triggered, this, [this, command = command] { run(command); });
        if (command == Command::quit) {
            item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
            item->setShortcutVisibleInContextMenu(true);
        }
        // Separators after the Bluetooth item, the mode pair and Information.
        if (command == Command::openBluetooth || command == Command::musicMode ||
            command == Command::information) {
            addSeparator();
        }
    }
}

void MenuHandler::rebuildMenuState() {
    for (const auto& [command, key] : commands()) {
        if (QAction* item = itemWithTitle(Localization::localizedString(key))) {
            item->setEnabled(isEnabled(command, mainScreenState));
        }
    }
}

QAction* MenuHandler::itemWithTitle(const QString& title) const {
    for (QAction* item : actions()) {
        if (!item->isSeparator() && item->text() == title) {
            return item;
        }
    }
    return nullptr;
}

void MenuHandler::run(Command command) {
    if (target_ == nullptr) {
        return;
    }
    switch (command) {
    case Command::openBluetooth:
        target_->menuItemOpenBTClicked();
        break;
    case Command::meetingMode:
        target_->menuItemMeetingModeClicked();
        break;
    case Command::musicMode:
        target_->menuItemMusicModeClicked();
        break;
    case Command::openApplication:
        target_->menuItemOpenAppClicked();
        break;
    case Command::settings:
        target_->menuItemSettingClicked();
        break;
    case Command::information:
        target_->menuItemInfoClicked();
        break;
    case Command::quit:
        target_->quitClicked();
        break;
    }
}
