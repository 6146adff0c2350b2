#include "app/MenuHandler.h"

#include "app/MenuActions.h"
#include "core/ProcessState.h"
#include "support/PlatformDoubles.h"
#include "support/ScopedPlatform.h"

#include <gtest/gtest.h>

namespace {

struct RecordingActions : MenuActions {
    void menuItemOpenBTClicked() override { calls.push_back("bluetooth"); }
    void menuItemMeetingModeClicked() override { calls.push_back("meeting"); }
    void menuItemMusicModeClicked() override { calls.push_back("music"); }
    void menuItemOpenAppClicked() override { calls.push_back("open"); }
    void menuItemSettingClicked() override { calls.push_back("settings"); }
    void menuItemInfoClicked() override { calls.push_back("info"); }
    void quitClicked() override { calls.push_back("quit"); }
    std::vector<std::string> calls;
};

QList<QAction*> commands(const MenuHandler& menu) {
    auto found = menu.actions();
    found.removeIf([](const QAction* item) { return item->isSeparator(); });
    return found;
}

// The items follow the screen as it changes, and again each time the menu opens.
TEST(MenuHandlerTest, EnablingFollowsTheScreen) {
    MemoryAudioHardware hardware;
    ScopedPlatform scoped({.audioHardware = &hardware});
    RecordingActions actions;
    MenuHandler menu{"MenuHandler", &actions};
    using enum MainScreen;
    const std::vector<std::tuple<MainScreen, bool, std::string>> cases{
        {mode, false, "xxxxxxx"},
        {firstRun, false, "---x--x"},
        {pairingGuide, false, "x--xxxx"},
        {firstRun, true, "---x--x"},
        {mode, true, "xxxxxxx"}};
    for (const auto& [state, opening, expected] : cases) {
        if (opening) {
            mainScreenState = state;
            Q_EMIT menu.aboutToShow();
        } else {
            setMainScreenState(state);
        }
        std::string enabled;
        for (QAction* item : commands(menu)) {
            enabled += item->isEnabled() ? 'x' : '-';
        }
        EXPECT_EQ(enabled, expected) << int(state) << opening;
    }
    EXPECT_EQ(commands(menu).back()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    for (QAction* item : commands(menu)) {
        item->trigger();
    }
    EXPECT_EQ(actions.calls, (std::vector<std::string>{"bluetooth", "meeting", "music", "open",
                                                       "settings", "info", "quit"}));
}

// The mode in use is checked, following the system's defaults whoever changes them.
TEST(MenuHandlerTest, TheModeInUseIsChecked) {
    MemoryAudioHardware hardware;
    ScopedPlatform scoped({.audioHardware = &hardware});
    hardware.setOutputs({{3, "Built-in Speakers"}, {7, "Lumatix U"}});
    hardware.setInputs({{2, "Built-in Microphone"}, {8, "Lumatix U"}});
    RecordingActions actions;
    MenuHandler menu{"MenuHandler", &actions};
    // Default output and input, then the checks of the Meeting and Music items.
    for (const auto& [output, input, checks] :
         std::vector<std::tuple<platform::AudioDeviceID, platform::AudioDeviceID, std::string>>{
             {7, 8, "x-"}, {7, 2, "-x"}, {3, 8, "--"}, {3, 2, "--"}}) {
        hardware.setDefaultOutputDevice(output, {});
        hardware.setDefaultInputDevice(input, {});
        std::string checked;
        for (QAction* item : commands(menu)) {
            if (item->isCheckable()) {
                checked += item->isChecked() ? 'x' : '-';
            }
        }
        EXPECT_EQ(checked, checks) << output << ' ' << input;
    }
}

} // namespace
