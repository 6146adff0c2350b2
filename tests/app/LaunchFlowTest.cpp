#include "app/AppDelegate.h"
#include "app/NotificationNames.h"
#include "platform/Bundle.h"
#include "platform/LoginItem.h"
#include "platform/MemoryAudioHardware.h"
#include "platform/MemoryUserDefaults.h"
#include "platform/MicrophoneAccess.h"
#include "platform/NotificationCenter.h"
#include "screens/info/InfoViewController.h"
#include "screens/settings/SettingViewController.h"
#include "support/CapturedLog.h"
#include "support/ScopedPlatform.h"
#include "support/TemporaryHome.h"
#include "ui/Window.h"
#include "update/CheckOTAViewController.h"
#include "update/UpdateFlowState.h"

#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

using platform::LoginItemStatus;

namespace {

class LaunchFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        hardware.setOutputs({{7, "Lumatix U"}});
        for (const auto* name : {"openSetting", "openInfo"}) {
            platform::NotificationCenter::defaultCenter().addObserver(
                this, name, [this, name] { posts.emplace_back(name); });
        }
    }
    void TearDown() override { platform::NotificationCenter::defaultCenter().removeObserver(this); }

    void launch(bool microphoneGranted) {
        microphone = std::make_unique<platform::FixedMicrophoneAccess>(microphoneGranted);
        platform::Platform::install({.microphoneAccess = microphone.get()});
        delegate.applicationDidFinishLaunching();
    }

    // Waits for the launch flow's screen line.
    std::string chosenScreen() {
        std::string screen;
        (void)QTest::qWaitFor(
            [&] {
                for (const auto& line : log.lines()) {
                    if (line.starts_with("launch screen: ")) {
                        screen = line.substr(15);
                        return true;
                    }
                }
                return false;
            },
            5000);
        return screen;
    }

    void writeFreshInstallationResource() const {
        std::ofstream(home.path() / "UserDefault.plist")
            << R"(<?xml version="1.0"?><plist version="1.0"><dict><key>isFirstLaunch</key><true/></dict></plist>)";
    }

    TemporaryHome home;
    platform::MemoryUserDefaults defaults;
    platform::MemoryAudioHardware hardware;
    platform::FixedLoginItem loginItem{LoginItemStatus::notRegistered};
    std::unique_ptr<platform::FixedMicrophoneAccess> microphone;
    platform::Bundle bundle{
        {.identifier = "com.lumatix.test", .version = "1.0.3", .resourcesPath = home.path()}};
    ScopedPlatform scoped{{.userDefaults = &defaults,
                           .audioHardware = &hardware,
                           .loginItem = &loginItem,
                           .bundle = &bundle}};
    CapturedLog log;
    AppDelegate delegate;
    std::vector<std::string> posts;
};

TEST_F(LaunchFlowTest, NewUserSeesTheLicenceWithoutAnyPermissionRequest) {
    launch(true);
    EXPECT_EQ(chosenScreen(), "EULA");
    EXPECT_EQ(microphone->requestCount(), 0);
    Window& window = delegate.window();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.frame(), Rect(200, 300, 1200, 662));
    EXPECT_EQ(window.styleMask(), 7u);
    EXPECT_EQ(mainWindowNumber, window.windowNumber());
}

TEST_F(LaunchFlowTest, RefusedMicrophoneLeadsToThePermissionScreen) {
    defaults.setInteger("EULAStatus", 1);
    launch(false);
    EXPECT_EQ(chosenScreen(), "microphone permission");
    EXPECT_TRUE(log.contains("not get Microphone Permission"));
    EXPECT_EQ(microphone->requestCount(), 1);
    EXPECT_EQ(delegate.window().frame(), Rect(200, 300, 1200, 662));
}

TEST_F(LaunchFlowTest, GrantedMicrophoneAsksForLaunchAtLoginUntilEnabled) {
    defaults.setInteger("EULAStatus", 1);
    loginItem.setStatus(LoginItemStatus::requiresApproval);
    launch(true);
    EXPECT_EQ(chosenScreen(), "login item");
    EXPECT_TRUE(log.contains("get Microphone Permission"));
}

TEST_F(LaunchFlowTest, EnabledLoginItemGoesStraightToTheUpdateCheck) {
    defaults.setInteger("EULAStatus", 1);
    loginItem.setStatus(LoginItemStatus::enabled);
    launch(true);
    EXPECT_EQ(chosenScreen(), "update check");
    EXPECT_TRUE(delegate.window().isVisible());
    EXPECT_NE(qobject_cast<CheckOTAViewController*>(delegate.window().contentViewController()),
              nullptr);
}

TEST_F(LaunchFlowTest, FreshInstallationAsksForTheLicenceAgain) {
    defaults.setInteger("EULAStatus", 1);
    writeFreshInstallationResource();
    launch(true);
    EXPECT_EQ(chosenScreen(), "EULA");
}

TEST_F(LaunchFlowTest, LaunchRecordsTheSpeakerphoneBeforeChoosingAScreen) {
    launch(true);
    EXPECT_EQ(hardware.enumerationCount(), 1);
}

TEST_F(LaunchFlowTest, ClosingHidesTheMainWindowAndReopenBringsItBack) {
    launch(true);
    ASSERT_EQ(chosenScreen(), "EULA");
    Window* window = &delegate.window();
    window->close();
    QCoreApplication::processEvents();
    ASSERT_EQ(Window::withNumber(mainWindowNumber), window);
    EXPECT_FALSE(window->isVisible());

    EXPECT_TRUE(delegate.applicationShouldHandleReopen(false));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(LaunchFlowTest, SettingsItemWhileSettingsIsOpenOnlyBringsTheWindowForward) {
    launch(true);
    ASSERT_EQ(chosenScreen(), "EULA");
    auto* content = delegate.window().contentViewController();
    content->presentViewControllerAsModalWindow(std::make_unique<SettingViewController>());
    pendingUpdateScreen = 2;

    delegate.openSettingFromMenu();
    EXPECT_TRUE(posts.empty());
    EXPECT_EQ(content->presentedViewControllers().size(), 1u);
    EXPECT_EQ(pendingUpdateScreen, 2);
}

TEST_F(LaunchFlowTest, SettingsItemReplacesAnotherPresentedWindow) {
    launch(true);
    ASSERT_EQ(chosenScreen(), "EULA");
    auto* content = delegate.window().contentViewController();
    content->presentViewControllerAsModalWindow(std::make_unique<InfoViewController>());
    pendingUpdateScreen = 2;

    delegate.openSettingFromMenu();
    EXPECT_TRUE(content->presentedViewControllers().empty());
    EXPECT_EQ(pendingUpdateScreen, 0);
    EXPECT_EQ(posts, std::vector<std::string>{"openSetting"});
}

TEST_F(LaunchFlowTest, InformationItemPostsWhenNothingIsPresented) {
    launch(true);
    ASSERT_EQ(chosenScreen(), "EULA");
    delegate.openInfoFromMenu();
    EXPECT_EQ(posts, std::vector<std::string>{"openInfo"});

    auto* content = delegate.window().contentViewController();
    content->presentViewControllerAsModalWindow(std::make_unique<InfoViewController>());
    delegate.openInfoFromMenu();
    EXPECT_EQ(posts.size(), 1u);
}

TEST_F(LaunchFlowTest, MenuOpensSettingsOnlyAfterTheWindowCameForward) {
    launch(true);
    ASSERT_EQ(chosenScreen(), "EULA");
    delegate.window().hide();
    delegate.menuItemSettingClicked();
    EXPECT_TRUE(posts.empty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !posts.empty(); }, 5000));
    EXPECT_TRUE(delegate.window().isVisible());
    EXPECT_EQ(posts, std::vector<std::string>{"openSetting"});
}

TEST_F(LaunchFlowTest, PresentedWindowClosedByTheUserIsDismissed) {
    launch(true);
    ASSERT_EQ(chosenScreen(), "EULA");
    auto* content = delegate.window().contentViewController();
    content->presentViewControllerAsModalWindow(std::make_unique<InfoViewController>());
    Window* presented = content->presentedViewControllers().front()->window();
    ASSERT_NE(presented, nullptr);
    presented->close();
    EXPECT_TRUE(content->presentedViewControllers().empty());
}

} // namespace
