#include "app/ScreenNavigator.h"

#include "audio/AppManger.h"
#include "core/PersistedSettings.h"
#include "core/ProcessStateSignals.h"
#include "platform/NotificationCenter.h"
#include "platform/Timer.h"
#include "screens/main/BluetoothViewController.h"
#include "screens/main/ModeViewController.h"
#include "screens/onboarding/GDPRViewController.h"
#include "screens/settings/SettingUpdateViewController.h"
#include "screens/settings/SettingViewController.h"
#include "screens/update/CheckOTAViewController.h"
#include "screens/update/DownloadOTAViewController.h"
#include "screens/update/NoNeedOTAViewController.h"
#include "screens/update/OTAViewController.h"
#include "support/AppFixture.h"

namespace {

using Answer = FixedReachability::Answer;

// The flows below cannot tell a wrong main screen here: it corrects itself at its first check.
TEST(ScreenNavigatorDecisions, MainScreenAfterTheUpdateStep) {
    EXPECT_EQ(ScreenNavigator::screenAfterUpdateStep(Consent::declined, true), Screen::mode);
    EXPECT_EQ(ScreenNavigator::screenAfterUpdateStep(Consent::agreed, false),
              Screen::bluetoothGuide);
}

class ScreenNavigatorTest : public AppFixture {
protected:
    ViewController* presented(ViewController* presenter) const {
        const auto all = presenter->presentedViewControllers();
        return all.empty() ? nullptr : all.front();
    }
    template <typename T>
    T* waitForPresented(ViewController* presenter) {
        return waitFor<T>([&] { return presented(presenter); });
    }
    // Settings, its Update tab and the check: the checking window takes Settings' place.
    void startCheckFromSettings(ViewController* screen) {
        QTest::mouseClick(qobject_cast<MainScreenViewController*>(screen)->settingButton(),
                          Qt::LeftButton);
        auto* settings = qobject_cast<SettingViewController*>(presented(screen));
        ASSERT_NE(settings, nullptr);
        // Centred over the main window.
        EXPECT_EQ(settings->window()->frame().origin, Point(460, 431));
        QTest::mouseClick(settings->updateButton(), Qt::LeftButton);
        QTest::mouseClick(settings->updateVC()->checkUpdateButton(), Qt::LeftButton);
        EXPECT_NE(presented(screen), settings);
        QCoreApplication::processEvents();
    }
};

TEST_F(ScreenNavigatorTest, MainScreensHandOverOnceWithinOneTickKeepingTheFrame) {
    connectSpeakerphone(true);
    const int timers = platform::Timer::activeCount();
    auto* mode = show(Screen::mode);
    // Away from its first place, as where the user dragged it (Wayland reports no drags).
    main.setFrameOrigin({60, 222});
    const Rect frame = main.frame();
    EXPECT_EQ(mainScreenState, MainScreen::mode);
    connectSpeakerphone(false);
    // The timer and the notification may both ask within one turn.
    qobject_cast<ModeViewController*>(mode)->checkStatusWithNotitfication();
    platform::NotificationCenter::defaultCenter().post("checkStatus");
    ASSERT_NE(waitForContent<BluetoothViewController>(), nullptr);
    QTest::qWait(50);
    EXPECT_EQ(log.count("viewDidDisappear"), 1);
    EXPECT_EQ(mainScreenState, MainScreen::pairingGuide);
    EXPECT_EQ(main.frame(), frame);

    connectSpeakerphone(true);
    AppManger::shared().checkBTStatus();
    ASSERT_NE(waitForContent<ModeViewController>(), nullptr);
    EXPECT_EQ(mainScreenState, MainScreen::mode);
    EXPECT_EQ(platform::Timer::activeCount(), timers + 1);
    EXPECT_EQ(main.frame(), frame);
}

// The Mode screen stays while a Bluetooth card changes profile; a lost link counts after timeout.
TEST_F(ScreenNavigatorTest, ModeScreenStaysWhileTheSpeakerphoneChangesProfile) {
    hardware.addBluetoothSpeakerphone();
    hardware.copy = MemoryAudioHardware::Copy::events;
    hardware.profileArrival = 200ms;
    Audio::refreshSpeakerDevice();
    auto* mode = show<ModeViewController>(Screen::mode);
    AppManger::shared().startCheckBTStatusTimer();
    std::vector<MainScreen> states;
    QObject::connect(&ProcessStateSignals::shared(), &ProcessStateSignals::mainScreenStateChanged,
                     mode, [&states] { states.push_back(mainScreenState); });
    mode->didMeetingClick();
    ASSERT_TRUE(QTest::qWaitFor([] { return Audio::getOutputDevices().empty(); }));
    AppManger::shared().checkBTStatus();
    mode->checkStatusWithNotitfication();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hardware.defaultInput.has_value(); }));
    QTest::qWait(50);
    EXPECT_TRUE(states.empty());
    ASSERT_EQ(main.contentViewController(), mode);

    hardware.profileDevices = {};
    mode->didMusicClick();
    ASSERT_NE(waitForContent<BluetoothViewController>(), nullptr);
    EXPECT_EQ(states, std::vector<MainScreen>{MainScreen::pairingGuide});
}

// Checks from Settings end up to date whatever the network says, or lead on to the offer.
TEST_F(ScreenNavigatorTest, ChecksFromSettingsEndUpToDateOrWithTheOffer) {
    connectSpeakerphone(true);
    auto* mode = show<ModeViewController>(Screen::mode);
    for (const Answer answer : {Answer::reachable, Answer::unreachable, Answer::notifierFails}) {
        network = answer;
        const auto firstFire = mode->checkStatusTimer()->fireDate();
        startCheckFromSettings(mode);
        auto* upToDate = waitForPresented<NoNeedOTAViewController>(mode);
        ASSERT_NE(upToDate, nullptr) << int(answer);
        EXPECT_EQ(pendingUpdateScreen, UpdateScreen::upToDate);
        QTest::mouseClick(upToDate->confirmButton(), Qt::LeftButton);
        EXPECT_EQ(presented(mode), nullptr);
        EXPECT_EQ(pendingUpdateScreen, UpdateScreen::none);
        EXPECT_GT(mode->checkStatusTimer()->fireDate(), firstFire);
    }
    EXPECT_EQ(log.count("Not reachable"), 1);
    EXPECT_EQ(log.count("Unable to start notifier"), 1);
    EXPECT_EQ(server.requestCount(), 3);
    EXPECT_FALSE(PersistedSettings::getLastCheckOTADate().empty());

    normalReply = offer(server.url("/files/Lumatix%20U.deb"), "1.0.4");
    network = Answer::reachable;
    startCheckFromSettings(mode);
    ASSERT_NE(qobject_cast<CheckOTAViewController*>(presented(mode)), nullptr);
    EXPECT_EQ(presented(mode)->window()->frame(), Rect(630, 479, 340, 332));
    auto* newVersion = waitForPresented<OTAViewController>(mode);
    ASSERT_NE(newVersion, nullptr);
    // The region is known before the update server is asked.
    ASSERT_EQ(server.requests().size(), 6u);
    EXPECT_EQ(server.requests()[3].path, "/json/");
    // The download window follows (what it does is the settings screens' test).
    QTest::mouseClick(newVersion->confirmButton(), Qt::LeftButton);
    ASSERT_NE(waitForPresented<DownloadOTAViewController>(mode), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return quits == 1; }, 10000));
}

TEST_F(ScreenNavigatorTest, ForcedUpdateCloseButtonQuitsWhereSkipAndCloseBoxDoNot) {
    connectSpeakerphone(true);
    auto* mode = show(Screen::mode);
    for (const bool forced : {false, true}) {
        isForcedUpdate = forced;
        pendingUpdateScreen = UpdateScreen::newVersion;
        mode->presentViewControllerAsModalWindow(navigator.make(Screen::newVersion));
        QCoreApplication::processEvents();
        auto* offered = qobject_cast<OTAViewController*>(presented(mode));
        QTest::mouseClick(offered->cancelButton(), Qt::LeftButton);
        EXPECT_EQ(quits, forced ? 1 : 0);
        if (forced) {
            offered->window()->close();
            QCoreApplication::processEvents();
        }
        EXPECT_EQ(presented(mode), nullptr);
        EXPECT_EQ(pendingUpdateScreen, UpdateScreen::none);
    }
    EXPECT_EQ(quits, 1);
}

// Presented windows stay over the successor screen and never hold a main screen themselves.
TEST_F(ScreenNavigatorTest, PresentedWindowsStayWithTheSuccessorAndNeverHoldAMainScreen) {
    connectSpeakerphone(false);
    auto* guide = show<BluetoothViewController>(Screen::bluetoothGuide);
    QTest::mouseClick(guide->settingButton(), Qt::LeftButton);
    auto* settings = qobject_cast<SettingViewController*>(presented(guide));
    ASSERT_NE(settings, nullptr);
    connectSpeakerphone(true);
    guide->checkStatusWithNotitfication();
    auto* mode = waitForContent<ModeViewController>();
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(presented(mode), settings);
    QTest::mouseClick(settings->updateButton(), Qt::LeftButton);
    QTest::mouseClick(settings->updateVC()->checkUpdateButton(), Qt::LeftButton);
    auto* upToDate = waitForPresented<NoNeedOTAViewController>(mode);
    ASSERT_NE(upToDate, nullptr);
    QTest::mouseClick(upToDate->confirmButton(), Qt::LeftButton);
    EXPECT_EQ(presented(mode), nullptr);
    EXPECT_EQ(pendingUpdateScreen, UpdateScreen::none);

    // An offer whose flow was ended elsewhere: its Cancel closes it and nothing more.
    pendingUpdateScreen = UpdateScreen::newVersion;
    mode->presentViewControllerAsModalWindow(navigator.make(Screen::newVersion));
    auto* offer = qobject_cast<OTAViewController*>(presented(mode));
    ASSERT_NE(offer, nullptr);
    pendingUpdateScreen = UpdateScreen::none;
    QTest::mouseClick(offer->cancelButton(), Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_EQ(presented(mode), nullptr);
    EXPECT_EQ(main.contentViewController(), mode);
    EXPECT_EQ(log.count("update window closed: it no longer belongs to the main window's screen"),
              1);
}

// Escape closes presented windows as their close box does; over the screen it does nothing.
TEST_F(ScreenNavigatorTest, EscapeClosesPresentedWindowsAsTheirCloseBoxDoes) {
    connectSpeakerphone(true);
    auto* mode = show<ModeViewController>(Screen::mode);
    const std::vector<std::pair<const char*, std::function<void()>>> openers{
        {"settings", [&] { QTest::mouseClick(mode->settingButton(), Qt::LeftButton); }},
        {"information", [&] { QTest::mouseClick(mode->infoButton(), Qt::LeftButton); }},
        {"offer",
         [&] {
             pendingUpdateScreen = UpdateScreen::newVersion;
             mode->presentViewControllerAsModalWindow(navigator.make(Screen::newVersion));
         }},
        {"up to date",
         [&] {
             pendingUpdateScreen = UpdateScreen::upToDate;
             mode->presentViewControllerAsModalWindow(navigator.make(Screen::upToDate));
         }},
    };
    for (const auto& [name, open] : openers) {
        open();
        ViewController* shown = presented(mode);
        ASSERT_NE(shown, nullptr) << name;
        QTest::keyClick(shown->window(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        EXPECT_EQ(presented(mode), nullptr) << name;
        EXPECT_EQ(pendingUpdateScreen, UpdateScreen::none) << name;
    }
    QTest::keyClick(&main, Qt::Key_Escape);
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.contentViewController(), mode);
    EXPECT_EQ(quits, 0);
}

TEST_F(ScreenNavigatorTest, LaunchStepShrinksTheWindowThenLeavesForTheMainScreens) {
    main.setStyleMask(Window::titled | Window::closable | Window::miniaturizable);
    normalReply = offer(server.url("/files/Lumatix%20U.deb"), "1.0.4");
    show(Screen::updateCheck);
    const Rect launchStep(790, 388, 340, 304);
    EXPECT_EQ(main.frame(), launchStep);
    EXPECT_EQ(main.styleMask() & Window::miniaturizable, 0u);
    auto* newVersion = waitForContent<OTAViewController>();
    ASSERT_NE(newVersion, nullptr);
    EXPECT_EQ(main.frame(), launchStep);
    defaults.setInteger("CheckPrivacyStatus", 2);
    QTest::mouseClick(newVersion->cancelButton(), Qt::LeftButton);
    ASSERT_NE(waitForContent<BluetoothViewController>(), nullptr);
    EXPECT_NE(main.styleMask() & Window::miniaturizable, 0u);
    ASSERT_NE(AppManger::shared().checkBTStatusTimer(), nullptr);
    EXPECT_TRUE(AppManger::shared().checkBTStatusTimer()->isValid());
}

TEST_F(ScreenNavigatorTest, LaunchStepGoesWhereConsentAndTheSpeakerphoneSay) {
    // Consent, the speakerphone's presence, the network.
    for (const auto& [consent, speakerphone, answer] :
         std::vector<std::tuple<int, bool, Answer>>{{1, true, Answer::reachable},
                                                    {2, false, Answer::reachable},
                                                    {2, true, Answer::unreachable}}) {
        defaults.setInteger("CheckPrivacyStatus", consent);
        connectSpeakerphone(speakerphone);
        network = answer;
        show(Screen::updateCheck);
        EXPECT_TRUE(speakerphone ? waitForContent<ModeViewController>() != nullptr
                                 : waitForContent<BluetoothViewController>() != nullptr)
            << consent << speakerphone;
    }
    // Unanswered consent asks first; cancelling twice leaves once.
    defaults.setInteger("CheckPrivacyStatus", 0);
    auto* checking = show<CheckOTAViewController>(Screen::updateCheck);
    checking->didCancelClick();
    checking->didCancelClick();
    auto* consent = waitForContent<GDPRViewController>();
    ASSERT_NE(consent, nullptr);
    QTest::qWait(50);
    EXPECT_EQ(main.contentViewController(), consent);
}

} // namespace
