#include "app/UpdateFlow.h"

std::optional<UpdateScreen> UpdateFlow::next(UpdateScreen now, ScreenEvent event) {
    switch (event) {
    case ScreenEvent::updateCheckRequested:
        return UpdateScreen::checking;
    case ScreenEvent::newVersionFound:
        return now == UpdateScreen::checking ? std::optional(UpdateScreen::newVersion)
                                             : std::nullopt;
    // A cancelled check, or one without a network, ends up to date as well.
    case ScreenEvent::checkEndedWithoutOffer:
        return now == UpdateScreen::checking ? std::optional(UpdateScreen::upToDate) : std::nullopt;
    case ScreenEvent::downloadRequested:
        return now == UpdateScreen::newVersion ? std::optional(UpdateScreen::downloading)
                                               : std::nullopt;
    case ScreenEvent::offerSkipped:
        return now == UpdateScreen::newVersion ? std::optional(UpdateScreen::none) : std::nullopt;
    case ScreenEvent::upToDateClosed:
    case ScreenEvent::updateWindowClosed:
    // Opening Settings ends any flow that was waiting for a window to close.
    case ScreenEvent::settingsShown:
        return UpdateScreen::none;
    default:
        return std::nullopt;
    }
}

bool UpdateFlow::closesReporter(ScreenEvent event) {
    // Settings stays as it opened; a close box closes its window itself.
    return event != ScreenEvent::settingsShown && event != ScreenEvent::updateWindowClosed;
}

bool UpdateFlow::advance(ScreenEvent event) {
    const auto after = next(pendingUpdateScreen, event);
    if (after) {
        pendingUpdateScreen = *after;
    }
    return after.has_value();
}

void UpdateFlow::end() {
    pendingUpdateScreen = UpdateScreen::none;
}
