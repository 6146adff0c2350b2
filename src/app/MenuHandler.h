#pragma once

#include "core/ProcessState.h"
#include "ui/LocalizedKey.h"

#include <QMenu>
#include <vector>

class MenuActions;

// The status item's menu: seven commands in three groups, enabled from the screen state
// each time it opens.
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

    MenuHandler(const QString& title, MenuActions* target, QWidget* parent = nullptr);

    // The commands in menu order, with their title keys.
    [[nodiscard]] static const std::vector<std::pair<Command, LocalizedKey>>& commands();
    // Whether a command is available while the main window shows the given kind of screen.
    [[nodiscard]] static bool isEnabled(Command command, MainScreen screen);

    void rebuildMenuState();
    // The first item with this title, as a translation fault may give two items one title.
    [[nodiscard]] QAction* itemWithTitle(const QString& title) const;

private:
    void buildMenuItems();
    void run(Command command);

    MenuActions* target_;
};
