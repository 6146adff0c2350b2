#include "app/MenuHandler.h"

#include "audio/Audio.h"
#include "core/ProcessState.h"
#include "core/ProcessStateSignals.h"
#include "platform/AudioHardware.h"
#include "platform/Platform.h"
#include "ui/Localization.h"

MenuHandler::MenuHandler(const QString& title, MenuActions* target, QWidget* parent)
    : QMenu(title, parent), target_(target) {
    buildMenuItems();
    // Tray hosts differ in whether and when they announce an opening, so the items also
    // follow the screen as it changes.
    connect(this, &QMenu::aboutToShow, this, &MenuHandler::rebuildMenuState);
    connect(&ProcessStateSignals::shared(), &ProcessStateSignals::mainScreenStateChanged, this,
            &MenuHandler::rebuildMenuState);
    // The mode's check follows the system's defaults, whoever changed them.
    connect(&platform::Platform::audioHardware(), &platform::AudioHardware::devicesChanged, this,
            &MenuHandler::rebuildMenuState);
}

const std::vector<MenuHandler::Item>& MenuHandler::commands() {
    using A = MenuActions;
    static const std::vector<Item> list{
        {Command::openBluetooth, LocalizedKey::MenuItemOpenBT, &A::menuItemOpenBTClicked},
        {Command::meetingMode, LocalizedKey::MenuItemMeetingMode, &A::menuItemMeetingModeClicked},
        {Command::musicMode, LocalizedKey::MenuItemMusicMode, &A::menuItemMusicModeClicked},
        {Command::openApplication, LocalizedKey::MenuItemOpenApp, &A::menuItemOpenAppClicked},
        {Command::settings, LocalizedKey::MenuItemSetting, &A::menuItemSettingClicked},
        {Command::information, LocalizedKey::MenuItemInfo, &A::menuItemInfoClicked},
        {Command::quit, LocalizedKey::MenuItemExit, &A::quitClicked},
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

bool MenuHandler::isCheckable(Command command) {
    return command == Command::meetingMode || command == Command::musicMode;
}

bool MenuHandler::isChecked(Command command, ModeInUse mode) {
    return (command == Command::meetingMode && mode == ModeInUse::meeting) ||
           (command == Command::musicMode && mode == ModeInUse::music);
}

void MenuHandler::buildMenuItems() {
    for (const auto& [command, key, action] : commands()) {
        QAction* item = addAction(Localization::localizedString(key));
        item->setCheckable(isCheckable(command));
        connect(item, &QAction::triggered, this, [this, action = action] {
            if (target_ != nullptr) {
                (target_->*action)();
            }
        });
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
    const ModeInUse mode = Audio::getModeInUse();
    for (const auto& [command, key, action] : commands()) {
        if (QAction* item = itemWithTitle(Localization::localizedString(key))) {
            item->setEnabled(isEnabled(command, mainScreenState));
            item->setChecked(isChecked(command, mode));
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
