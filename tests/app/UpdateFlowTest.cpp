#include "app/UpdateFlow.h"

#include <gtest/gtest.h>

namespace {

// Where the flow stands, what happened, the window to show next (none: no step of this flow,
// which the launch step or the navigator takes) and whether the reporting window closes.
TEST(UpdateFlowTest, EachStepMovesOnlyFromTheWindowItBelongsTo) {
    using U = UpdateScreen;
    using E = ScreenEvent;
    const std::optional<U> noStep;
    const std::vector<std::tuple<U, E, std::optional<U>, bool>> table{
        {U::none, E::updateCheckRequested, U::checking, true},
        {U::checking, E::newVersionFound, U::newVersion, true},
        {U::none, E::newVersionFound, noStep, false},
        {U::checking, E::checkEndedWithoutOffer, U::upToDate, true},
        {U::none, E::checkEndedWithoutOffer, noStep, false},
        {U::newVersion, E::downloadRequested, U::downloading, true},
        {U::checking, E::downloadRequested, noStep, false},
        {U::newVersion, E::offerSkipped, U::none, true},
        {U::none, E::offerSkipped, noStep, false},
        {U::upToDate, E::upToDateClosed, U::none, true},
        {U::downloading, E::updateWindowClosed, U::none, false},
        {U::newVersion, E::settingsShown, U::none, false},
        // A forced update's close button quits with the flow where it was.
        {U::newVersion, E::quitRequested, noStep, false},
        {U::checking, E::pendingUpdateWindow, noStep, false},
    };
    for (const auto& [now, event, next, closes] : table) {
        const auto where = testing::Message() << int(now) << " then " << int(event);
        EXPECT_EQ(UpdateFlow::next(now, event), next) << where;
        if (next) {
            EXPECT_EQ(UpdateFlow::closesReporter(event), closes) << where;
        }
    }
}

} // namespace
