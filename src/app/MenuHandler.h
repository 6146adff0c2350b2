#pragma once

#include "app/MenuActions.h"
#include "audio/ModeInUse.h"
#include "core/ProcessState.h"
#include "ui/LocalizedKey.h"

#include <QMenu>
#include <vector>

// The status item's menu: seven commands in three groups, enabled from the screen state
// each time it opens; the mode in use is checked.
class MenuHandler : public QMenu {
    Q_OBJECT

public:
    enum class Command {
        openBluetooth,
        meetingMode,
        musicMode,
        openApplication,
        settings,
        information,
        quit,
    };

    // A command, its title and what choosing it runs on the target.
    struct Item {
        Command command;
        LocalizedKey title;
        void (MenuActions::*action)();
    };

    MenuHandler(const QString& title, MenuActions* target, QWidget* parent = nullptr);

    // The commands in menu order.
    [[nodiscard]] static const std::vector<Item>& commands();
    // Whether a command is available while the main window shows the given kind of screen.
    [[nodiscard]] static bool isEnabled(Command command, MainScreen screen);

    // Whether a command's item carries a check, and whether it is checked with this mode.
    [[nodiscard]] static bool isCheckable(Command command);
    [[nodiscard]] static bool isChecked(Command command, ModeInUse mode);

    void rebuildMenuState();
    // The first item with this title, as a translation fault may give two items one title.
    [[nodiscard]] QAction* itemWithTitle(const QString& title) const;

private:
    void buildMenuItems();

    MenuActions* target_;
};
