#pragma once

#include "core/ProcessState.h"
#include "ui/ScreenEvent.h"

#include <optional>

// The update windows over the main screens, from the Settings window's check to the download:
// each step names the window to show next in pendingUpdateScreen, which changes here only.
// Screens report what happened; the navigator and the delegate bring it here.
class UpdateFlow {
public:
    // pendingUpdateScreen after `event`; none when the event is no step of a flow standing at
    // `now` (a launch-step screen, or a window whose flow was ended elsewhere).
    [[nodiscard]] static std::optional<UpdateScreen> next(UpdateScreen now, ScreenEvent event);
    // Whether the window that reported a step closes, for its presenter to show the next one.
    [[nodiscard]] static bool closesReporter(ScreenEvent event);

    // Takes the step `event` stands for; false when it is none.
    static bool advance(ScreenEvent event);
    // The flow ends without a window: another window takes over, or there is nothing to show.
    static void end();
};
