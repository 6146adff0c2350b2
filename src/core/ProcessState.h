#pragma once

#include "core/Geometry.h"

#include <cstdint>

// The update window to show next when a window over the main screens closes.
enum class UpdateScreen : std::uint8_t {
    none = 0,
    checking = 1,
    newVersion = 2,
    downloading = 3,
    upToDate = 4,
};

// Which kind of screen the main window shows; the tray menu's items follow it.
enum class MainScreen : std::uint8_t {
    firstRun,
    // The pairing guide, or the speakerphone was missing at the last tick.
    pairingGuide,
    // The Mode screen, or the speakerphone was there at the last tick.
    mode,
};

// The values the whole process shares. Main thread only; nothing here is persisted.

inline MainScreen mainScreenState = MainScreen::firstRun;
// Read anywhere; changed only by the update flow's owner (app/UpdateFlow).
inline UpdateScreen pendingUpdateScreen = UpdateScreen::none;
// The version on offer must be installed; written only when an offer arrives.
inline bool isForcedUpdate = false;
// False once a region lookup placed the user in mainland China, Hong Kong or Macau.
inline bool isGlobalRegion = true;
// Where the next Settings, Information or update window goes.
inline Point modalWindowOrigin{0, 0};
// Number of the main window, taken when it is set up; the way back to it from anywhere.
inline int mainWindowNumber = 0;

// Changes mainScreenState and, when it did change, says so (ProcessStateSignals).
void setMainScreenState(MainScreen state);

// Puts every value above, and the speakerphone record, back as a new process has them.
void resetProcessState();
