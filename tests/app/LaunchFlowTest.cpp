#include "app/AppDelegate.h"
#include "core/PersistedSettings.h"
#include "platform/InstallationRecord.h"
#include "platform/NotificationCenter.h"
#include "screens/info/InfoViewController.h"
#include "screens/main/BluetoothViewController.h"
#include "screens/main/ModeViewController.h"
#include "screens/onboarding/EULAViewController.h"
#include "screens/onboarding/GDPRViewController.h"
#include "screens/onboarding/LoginItemViewController.h"
#include "screens/onboarding/MicPermissionViewController.h"
#include "screens/settings/SettingViewController.h"
#include "screens/update/CheckOTAViewController.h"
#include "support/AppFixture.h"

namespace {

using platform::LoginItemStatus;
using Answer = FixedReachability::Answer;

class LaunchFlowTest : public AppFixture {
protected:
    LaunchFlowTest() {
        hardware.setOutputs({{7, "Lumatix U"}});
        useHomeResources({"LumatixUphoneappEULA_EN.html"});
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
            .quit = [this] { ++quits; },
            .downloadClient = &client});
        delegate->applicationDidFinishLaunching();
        const auto screen = [this] {
            const auto lines = log.lines();
            const auto found = std::ranges::find_if(
                lines, [](const auto& line) { return line.starts_with("launch screen: "); });
            return found == lines.end() ? std::string() : found->substr(15);
        };
        (void)QTest::qWaitFor([&] { return !screen().empty(); }, 5000);
        return screen();
    }
    ViewController* content() const { return delegate->window().contentViewController(); }
    template <typename T>
    T* waitForScreen() {
        return waitFor<T>([this] { return content(); });
    }
    // Quitting from the keyboard works on every screen.
    void pressQuit() {
        const int before = quits;
        delegate->window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&delegate->window()));
        QTest::keyClick(&delegate->window(), Qt::Key_Q, Qt::ControlModifier);
        EXPECT_EQ(quits, before + 1) << content()->metaObject()->className();
    }
    static void readAndAgree(AgreementViewController* screen) {
        scrollTo(screen);
        ASSERT_TRUE(QTest::qWaitFor([&] { return screen->agreeButton()->isEnabled(); }, 2000));
        QTest::mouseClick(screen->agreeButton(), Qt::LeftButton);
    }

    std::unique_ptr<FixedMicrophoneAccess> microphone;
    std::unique_ptr<AppDelegate> delegate;
    std::vector<std::string> posts;
};

TEST_F(LaunchFlowTest, FirstScreenFollowsLicenceMicrophoneAndLoginItem) {
    // Licence answer, fresh install, microphone, login item; first screen, microphone requests.
    for (const auto& [eula, fresh, granted, status, screen, requests] :
         std::vector<std::tuple<int, bool, bool, LoginItemStatus, std::string, int>>{
             {0, false, true, LoginItemStatus::enabled, "EULA", 0},
             {1, true, true, LoginItemStatus::enabled, "EULA", 0},
             {1, false, false, LoginItemStatus::enabled, "microphone permission", 1},
             {1, false, true, LoginItemStatus::requiresApproval, "login item", 1},
             {1, false, true, LoginItemStatus::enabled, "update check", 1},
         }) {
        defaults.setInteger("EULAStatus", eula);
        if (fresh) {
            writeFile(
                home.path() / "UserDefault.plist",
                R"(<?xml version="1.0"?><plist version="1.0"><dict><key>isFirstLaunch</key><true/></dict></plist>)");
            writeFile(platform::InstallationRecord::path(), "an older installation\n");
        }
        loginItem.current = status;
        EXPECT_EQ(launch(granted), screen);
        EXPECT_EQ(microphone->requests, requests) << screen;
        EXPECT_TRUE(delegate->window().isVisible());
        // The user cannot resize it.
        EXPECT_EQ(delegate->window().minimumSize(), delegate->window().maximumSize());
        EXPECT_EQ(mainWindowNumber, delegate->window().windowNumber());
        EXPECT_TRUE(requests == 0 || log.contains(granted ? "get Microphone Permission"
                                                          : "not get Microphone Permission"));
    }
    EXPECT_EQ(hardware.enumerations, 5);
}

// Licence, launch at login (switched on here, or already on), the update check, consent.
TEST_F(LaunchFlowTest, ANewUserReachesTheMainScreensByClicksAlone) {
    hardware.setOutputs({});
    ASSERT_EQ(launch(true), "EULA");
    auto* licence = waitForScreen<EULAViewController>();
    ASSERT_NE(licence, nullptr);
    pressQuit();
    readAndAgree(licence);
    auto* loginItemScreen = waitForScreen<LoginItemViewController>();
    ASSERT_NE(loginItemScreen, nullptr);
    EXPECT_TRUE(PersistedSettings::getEULAStatus());
    EXPECT_TRUE(log.contains("get Microphone Permission"));
    pressQuit();
    QTest::mouseClick(loginItemScreen->openSettingButton(), Qt::LeftButton);
    EXPECT_EQ(loginItem.enableCalls, 1);
    // The next 3-second check sees it on.
    ASSERT_NE(waitForScreen<CheckOTAViewController>(), nullptr);
    pressQuit();
    auto* consent = waitForScreen<GDPRViewController>();
    ASSERT_NE(consent, nullptr);
    EXPECT_EQ(delegate->window().frame(), Rect(200, 300, 1200, 662));
    pressQuit();
    QTest::mouseClick(consent->cancelButton(), Qt::LeftButton);
    ASSERT_NE(waitForScreen<BluetoothViewController>(), nullptr);
    EXPECT_EQ(PersistedSettings::getCheckPrivacyStatus(), Consent::declined);
    EXPECT_TRUE(PersistedSettings::getIsFirstLaunch());

    // Another user, launch at login already on and the speakerphone there, agrees.
    defaults = MemoryUserDefaults();
    hardware.setOutputs({{7, "Lumatix U"}});
    loginItem.current = LoginItemStatus::enabled;
    ASSERT_EQ(launch(true), "EULA");
    readAndAgree(waitForScreen<EULAViewController>());
    ASSERT_NE(waitForScreen<CheckOTAViewController>(), nullptr);
    readAndAgree(waitForScreen<GDPRViewController>());
    ASSERT_NE(waitForScreen<ModeViewController>(), nullptr);
    ASSERT_TRUE(server.waitForRequests(1));
    EXPECT_EQ(events("nb_launch").size(), 1u);
    EXPECT_FALSE(PersistedSettings::getIsFirstLaunch());
}

// Declining quits, storing nothing; a refused microphone waits for a later launch.
TEST_F(LaunchFlowTest, DecliningQuitsAndARefusedMicrophoneWaitsForTheNextLaunch) {
    ASSERT_EQ(launch(false), "EULA");
    const int writes = defaults.writes;
    QTest::mouseClick(waitForScreen<EULAViewController>()->cancelButton(), Qt::LeftButton);
    // Quit asked, nothing written, no microphone asked for.
    EXPECT_EQ(std::tuple(quits, defaults.writes, microphone->requests), std::tuple(1, writes, 0));
    ASSERT_EQ(launch(false), "EULA");
    readAndAgree(waitForScreen<EULAViewController>());
    auto* microphoneScreen = waitForScreen<MicPermissionViewController>();
    ASSERT_NE(microphoneScreen, nullptr);
    QTest::mouseClick(microphoneScreen->openSettingButton(), Qt::LeftButton);
    EXPECT_EQ(desktopSettings.pages, std::vector<std::string>{"microphone"});
    EXPECT_TRUE(log.contains("not get Microphone Permission"));
    EXPECT_EQ(mainScreenState, MainScreen::firstRun);
    pressQuit();
    EXPECT_EQ(launch(true), "login item");
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
    window->showMinimized();
    ASSERT_TRUE(window->isMinimized());
    EXPECT_TRUE(delegate->applicationShouldHandleReopen(true));
    EXPECT_FALSE(window->isMinimized());
    // The menu's modes report like the panels, without a toast.
    defaults.setInteger("CheckPrivacyStatus", 1);
    hardware.setInputs({{20, "Built-in Microphone"}});
    delegate->menuItemMusicModeClicked();
    EXPECT_EQ(hardware.defaultInput, 20u);
    delegate->menuItemOpenBTClicked();
    EXPECT_EQ(desktopSettings.pages, std::vector<std::string>{"bluetooth"});
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

    // Ctrl+Q quits from a window over the main one too, which blocks the main one's keys.
    content()->presentViewControllerAsModalWindow(std::make_unique<SettingViewController>());
    const int before = quits;
    QTest::keyClick(content()->presentedViewControllers().front()->window(), Qt::Key_Q,
                    Qt::ControlModifier);
    EXPECT_EQ(quits, before + 1);
    content()->dismissViewController(content()->presentedViewControllers().front());

    // Open window, item chosen, whether it stays (else it closes and the item's window is asked).
    updateClient.newVersionUrl = server.url("/files/held.deb");
    files["/files/held.deb"] = HttpTestServer::silent();
    using enum UpdateScreen;
    for (const auto& [open, pending, info, stays] :
         std::vector<std::tuple<Screen, UpdateScreen, bool, bool>>{
             {Screen::settings, newVersion, false, true},
             {Screen::info, newVersion, false, false},
             {Screen::info, none, true, true},
             {Screen::settings, none, true, false},
             {Screen::newVersion, newVersion, true, false},
             {Screen::upToDate, upToDate, false, false},
             {Screen::download, downloading, true, true},
             {Screen::download, downloading, false, true},
         }) {
        SCOPED_TRACE(std::to_string(static_cast<int>(open)) +
                     (info ? " then info" : " then settings"));
        posts.clear();
        pendingUpdateScreen = pending;
        content()->presentViewControllerAsModalWindow(navigator.make(open));
        ViewController* shown = content()->presentedViewControllers().front();
        // Settings ends a waiting update flow as it opens.
        pendingUpdateScreen = pending;
        info ? delegate->openInfoFromMenu() : delegate->openSettingFromMenu();
        QTest::qWait(50);
        const auto now = content()->presentedViewControllers();
        EXPECT_EQ(now,
                  stays ? std::vector<ViewController*>{shown} : std::vector<ViewController*>{});
        EXPECT_EQ(posts, stays ? std::vector<std::string>{}
                               : std::vector<std::string>{info ? "openInfo" : "openSetting"});
        EXPECT_EQ(pendingUpdateScreen, stays ? pending : none);
        if (stays) {
            content()->dismissViewController(shown);
        }
    }
    EXPECT_EQ(quits, before + 1);
}

// Information from the tray counts one visit of its first page, from the tab itself.
TEST_F(LaunchFlowTest, InformationFromTheMenuCountsOneVisit) {
    defaults.setInteger("EULAStatus", 1);
    defaults.setInteger("CheckPrivacyStatus", 1);
    loginItem.current = LoginItemStatus::enabled;
    launch(true);
    ASSERT_NE(waitForScreen<ModeViewController>(), nullptr);
    delegate->openInfoFromMenu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !events("nb_moreinfo").empty(); }, 5000));
    QTest::qWait(300);
    EXPECT_EQ(events("nb_moreinfo"), std::vector<std::string>{"phone_app_download"});
}

} // namespace
