#pragma once

// What the status menu's commands do; the application delegate carries them out.
class MenuActions {
public:
    virtual ~MenuActions() = default;

    virtual void menuItemOpenBTClicked() = 0;
    virtual void menuItemMeetingModeClicked() = 0;
    virtual void menuItemMusicModeClicked() = 0;
    virtual void menuItemOpenAppClicked() = 0;
    virtual void menuItemSettingClicked() = 0;
    virtual void menuItemInfoClicked() = 0;
    virtual void quitClicked() = 0;
};
