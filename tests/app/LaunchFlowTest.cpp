#include "app/AppDelegate.h"
#include "platform/NotificationCenter.h"
#include "screens/info/InfoViewController.h"
#include "screens/settings/SettingViewController.h"
#include "support/AppFixture.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"

namespace {

using platform::LoginItemStatus;
using Answer = FixedReachability::Answer;

class LaunchFlowTest : public AppFixture {
protected:
    LaunchFlowTest() {
        hardware.setOutputs({{7, "Lumatix U"}});
        bundle = platform::Bundle({.identifier = "com.lumatix.test",
                                   .resourcesPath = home.path(),
                                   .endpoints = bundle.endpoints()});
        for (const auto* name : {"openSetting", "openInfo"}) {
            platform::NotificationCenter::defaultCenter().addObserver(
                this, name, [this, name] { posts.emplace_back(name); });
        }
    }
    ~LaunchFlowTest() override {
        platform::NotificationCenter::defaultCenter().removeObserver(this);
    }

    // Launches a new delegate and waits for the line naming its first screen.
    std::string launch(bool microphoneGranted) {
        log.clear();
        microphone = std::make_unique<FixedMicrophoneAccess>(microphoneGranted);
        platform::Platform::install(
            {.loginItem = &loginItem, .microphoneAccess = microphone.get()});
        delegate = std::make_unique<AppDelegate>(ScreenNavigator::Services{
            .updateClient = &updateClient,
            .requestRegion = [] {},
            .makeReachability =
                [] { return std::make_unique<FixedReachability>(Answer::unreachable); },
            .quit = [] {}});
        delegate->applicationDidFinishLaunching();
        const auto line = [this] {
            const auto lines = log.lines();
            const auto found = std::find_if(lines.begin(), lines.end(), [](const auto& each) {
                return each.starts_with("launch screen: ");
            });
            return found == lines.end() ? std::string() : found->substr(15);
        };
        (void)QTest::qWaitFor([&] { return !line().empty(); }, 5000);
        return line();
    }
    ViewController* content() const { return delegate->window().contentViewController(); }

    TemporaryHome home;
    FixedLoginItem loginItem{LoginItemStatus::notRegistered};
    std::unique_ptr<FixedMicrophoneAccess> microphone;
    std::unique_ptr<AppDelegate> delegate;
    std::vector<std::string> posts;
};

TEST_F(LaunchFlowTest, FirstScreenFollowsLicenceMicrophoneAndLoginItem) {
    struct Case {
        std::int64_t eula;
        bool freshInstallation;
        bool microphone;
        LoginItemStatus loginItem;
        std::string screen;
        int microphoneRequests;
    };
    for (const Case& c : std::vector<Case>{
             {0, false, true, LoginItemStatus::enabled, "EULA", 0},
             {1, true, true, LoginItemStatus::enabled, "EULA", 0},
             {1, false, false, LoginItemStatus::enabled, "microphone permission", 1},
             {1, false, true, LoginItemStatus::requiresApproval, "login item", 1},
             {1, false, true, LoginItemStatus::enabled, "update check", 1},
         }) {
        defaults.setInteger("EULAStatus", c.eula);
        if (c.freshInstallation) {
            writeFile(
                home.path() / "UserDefault.plist",
                R"(<?xml version="1.0"?><plist version="1.0"><dict><key>isFirstLaunch</key><true/></dict></plist>)");
        }
        loginItem.setStatus(c.loginItem);
        EXPECT_EQ(launch(c.microphone), c.screen);
        EXPECT_EQ(microphone->requestCount(), c.microphoneRequests) << c.screen;
        EXPECT_TRUE(delegate->window().isVisible());
        EXPECT_EQ(mainWindowNumber, delegate->window().windowNumber());
        if (c.microphoneRequests > 0) {
            EXPECT_TRUE(log.contains(c.microphone ? "get Microphone Permission"
                                                  : "not get Microphone Permission"));
        }
    }
    EXPECT_EQ(hardware.enumerationCount(), 5);
}

TEST_F(LaunchFlowTest, ClosingHidesTheMainWindowAndReopenBringsItBack) {
    ASSERT_EQ(launch(true), "EULA");
    Window* window = &delegate->window();
    window->close();
    QCoreApplication::processEvents();
    ASSERT_EQ(Window::withNumber(mainWindowNumber), window);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(delegate->applicationShouldHandleReopen(false));
    EXPECT_TRUE(window->isVisible());
    // The menu's modes report like the panels, without a toast.
    defaults.setInteger("CheckPrivacyStatus", 1);
    hardware.setInputs({{20, "Built-in Microphone"}});
    delegate->menuItemMusicModeClicked();
    EXPECT_EQ(hardware.defaultInput(), 20u);
    ASSERT_TRUE(server.waitForRequests(1));
    EXPECT_EQ(server.requests()[0].queryValue("e_n"), "music");
}

TEST_F(LaunchFlowTest, MenuOpensSettingsAndInformationOverTheMainWindow) {
    ASSERT_EQ(launch(true), "EULA");
    delegate->window().hide();
    delegate->menuItemSettingClicked();
    EXPECT_TRUE(posts.empty());
    // After the window came forward.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !posts.empty(); }, 5000));
    EXPECT_TRUE(delegate->window().isVisible());
    EXPECT_EQ(posts, std::vector<std::string>{"openSetting"});

    // Settings already open: only brought forward; another window is replaced.
    posts.clear();
    content()->presentViewControllerAsModalWindow(std::make_unique<SettingViewController>());
    pendingUpdateScreen = UpdateScreen::newVersion;
    delegate->openSettingFromMenu();
    EXPECT_TRUE(posts.empty());
    EXPECT_EQ(pendingUpdateScreen, UpdateScreen::newVersion);
    content()->presentedViewControllers().front()->window()->close();
    EXPECT_TRUE(content()->presentedViewControllers().empty());
    content()->presentViewControllerAsModalWindow(std::make_unique<InfoViewController>());
    pendingUpdateScreen = UpdateScreen::newVersion;
    delegate->openSettingFromMenu();
    EXPECT_TRUE(content()->presentedViewControllers().empty());
    EXPECT_EQ(pendingUpdateScreen, UpdateScreen::none);
    delegate->openInfoFromMenu();
    content()->presentViewControllerAsModalWindow(std::make_unique<InfoViewController>());
    delegate->openInfoFromMenu();
    EXPECT_EQ(posts, (std::vector<std::string>{"openSetting", "openInfo"}));
}

} // namespace
