#pragma once

#include <QObject>

class MenuHandler;
class QSystemTrayIcon;

// The always-present tray icon that opens the menu, on any click.
class StatusItem : public QObject {
    Q_OBJECT

public:
    explicit StatusItem(MenuHandler* menu, QObject* parent = nullptr);
    ~StatusItem() override;

    [[nodiscard]] MenuHandler* menu() const { return menu_; }

private:
    void giveMenuAParentOnWayland();

    MenuHandler* menu_;
    QSystemTrayIcon* icon_;
};
