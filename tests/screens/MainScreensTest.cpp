#include "platform/NotificationCenter.h"
#include "platform/Timer.h"
#include "screens/main/AnimationView.h"
#include "screens/main/BluetoothViewController.h"
#include "screens/main/ModeViewController.h"
#include "support/AppFixture.h"
#include "ui/DefaultTitleBar.h"
#include "ui/Palette.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTextBlock>
#include <QToolButton>
#include <gmock/gmock.h>

namespace {

using MainScreensTest = AppFixture;

// The mode shows in the microphone chosen; the toast keeps its size and the main window.
TEST_F(MainScreensTest, ModePanelsReportShowAToastAndSwitchTheMode) {
    defaults.setInteger("CheckPrivacyStatus", 1);
    connectSpeakerphone(true);
    hardware.setInputs({{20, "Built-in Microphone"}, {21, "Lumatix U Microphone"}});
    auto* mode = show<ModeViewController>(Screen::mode);
    for (const auto& [panel, input] :
         {std::pair{mode->meetingView(), 21u}, std::pair{mode->musicView(), 20u}}) {
        const int toasts = ToastViewController::openCount();
        // Well inside the panel, as the user would click.
        const QPoint point(panel->width() / 2, panel->height() - 30);
        QWidget* target = panel->childAt(point);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(panel, point));
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return ToastViewController::openCount() > toasts; }, 2000));
        EXPECT_EQ(hardware.defaultInput, input);
        ASSERT_FALSE(shownToasts().empty());
        EXPECT_EQ(shownToasts().back()->height(), ToastViewController::toastHeight);
    }
    const unsigned mask = main.styleMask();
    ASSERT_TRUE(QTest::qWaitFor([] { return ToastViewController::openCount() == 0; }, 5000));
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.styleMask(), mask);
    EXPECT_EQ(main.palette().color(QPalette::Window), QColor(Qt::white));
    ASSERT_TRUE(server.waitForRequests(2));
    // Each event travels on its own connection, so the arrival order is not fixed.
    EXPECT_THAT(events("nb_mode"), testing::UnorderedElementsAre("meeting", "music"));
}

TEST_F(MainScreensTest, EachAppearanceKeepsOneTimerAndLeavingDropsTheObservers) {
    connectSpeakerphone(true);
    const int timers = platform::Timer::activeCount();
    // Its status timers, and observers of "checkStatus", "openSetting" and "openInfo".
    const auto held = [timers, &center = platform::NotificationCenter::defaultCenter()] {
        return std::pair(platform::Timer::activeCount() - timers,
                         center.observerCount("checkStatus") + center.observerCount("openSetting") +
                             center.observerCount("openInfo"));
    };
    auto* mode = show<ModeViewController>(Screen::mode);
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(held(), std::pair(1, 3));
        EXPECT_TRUE(mode->checkStatusTimer()->repeats());
        main.hide();
        EXPECT_EQ(held(), std::pair(0, 0));
        main.show();
    }
    // Each of the screen's observers presents its window.
    for (const auto& [name, window] : {std::pair{"openInfo", "InfoViewController"},
                                       std::pair{"openSetting", "SettingViewController"}}) {
        platform::NotificationCenter::defaultCenter().post(name);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !mode->presentedViewControllers().empty(); }, 2000));
        EXPECT_STREQ(mode->presentedViewControllers().front()->metaObject()->className(), window);
        mode->dismissViewController(mode->presentedViewControllers().front());
    }
}

// The name goes into the English title's placeholder, and only it is in the accent colour.
TEST_F(MainScreensTest, TitleHighlightsTheDeviceNameOnly) {
    hardware.setOutputs({{7, "Lumatix U Pro"}});
    for (const QString& name : {QStringLiteral("Lumatix U Pro"), QString()}) {
        Audio::refreshSpeakerDevice();
        ModeViewController mode;
        mode.view();
        QString accented;
        for (auto it = mode.modeTitleText()->document()->firstBlock().begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().foreground().color() == colorAccent()) {
                accented += it.fragment().text();
            }
        }
        EXPECT_EQ(accented, name);
        hardware.setOutputs({});
    }
}

TEST_F(MainScreensTest, GuideStaysWithoutSettingsAppAndPlaysItsAnimation) {
    auto* guide = show<BluetoothViewController>(Screen::bluetoothGuide);
    desktopSettings.opens = false;
    QTest::mouseClick(guide->openBluetoothButton(), Qt::LeftButton);
    EXPECT_EQ(log.lines(), std::vector<std::string>{"didOpenBluetoothClick"});
    EXPECT_EQ(desktopSettings.pages, std::vector<std::string>{"bluetooth"});
    AnimationView* animation = guide->animationView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return animation->currentFrame() > 3; }, 2000));
    // 60 frames at 30 per second: back at the start within about two seconds.
    EXPECT_TRUE(QTest::qWaitFor([&] { return animation->currentFrame() < 3; }, 4000));
    EXPECT_EQ(main.contentViewController(), guide);
}

TEST_F(MainScreensTest, MissingOrCorruptAnimationsAreReportedAndLeaveTheViewEmpty) {
    useHomeResources();
    writeFile(home.path() / "Animations" / "cut.json", R"({"v":"5.5.2","fr":30,"layers":[{"ty")");
    writeFile(home.path() / "Animations" / "empty.json", "{}");
    for (const char* name : {"none", "cut", "empty"}) {
        log.clear();
        AnimationView view;
        view.resize(320, 120);
        EXPECT_FALSE(view.loadNamed(name, "Animations"));
        ASSERT_EQ(log.lines().size(), 1u) << name;
        EXPECT_NE(log.lines()[0].find(std::string(name) + ".json"), std::string::npos);
        view.play();
        view.show();
        QTest::qWait(50);
        EXPECT_TRUE(view.currentImage().isNull());
    }
}

} // namespace

namespace {

using KeyboardTest = AppFixture;

// A compositor without a keyboard (headless Weston) activates no window: shown is enough.
bool activate(Window& window) {
    window.activateWindow();
    return QGuiApplication::platformName() == QLatin1String("wayland")
               ? QTest::qWaitForWindowExposed(&window)
               : QTest::qWaitForWindowActive(&window);
}

// Tab: panels, corner buttons, title bar; Space and Return choose; only the keyboard marks.
TEST_F(KeyboardTest, ModesAreChosenWithTabAndSpaceOrReturnAlone) {
    defaults.setInteger("CheckPrivacyStatus", 1);
    connectSpeakerphone(true);
    hardware.setInputs({{20, "Built-in Microphone"}, {21, "Lumatix U Microphone"}});
    auto* mode = show<ModeViewController>(Screen::mode);
    ASSERT_TRUE(activate(main));
    const QList<QWidget*> order{mode->meetingButton(),
                                mode->musicButton(),
                                mode->settingButton(),
                                mode->infoButton(),
                                static_cast<QWidget*>(main.titleBar()->minimizeButton()),
                                static_cast<QWidget*>(main.titleBar()->closeButton())};
    EXPECT_EQ(main.tabChain(), order);
    mode->settingButton()->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(main.focusWidget(), mode->settingButton());
    QList<QWidget*> visited;
    for (qsizetype step = 0; step < order.size(); ++step) {
        QTest::keyClick(main.focusWidget(), Qt::Key_Tab);
        visited.append(main.focusWidget());
    }
    EXPECT_EQ(visited,
              (QList<QWidget*>{order[3], order[4], order[5], order[0], order[1], order[2]}));
    QTest::keyClick(main.focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(main.focusWidget(), mode->musicButton());

    // Meeting with Space, Music with Return.
    for (const auto& [key, button, input] :
         {std::tuple{Qt::Key_Space, mode->meetingButton(), 21u},
          std::tuple{Qt::Key_Return, mode->musicButton(), 20u}}) {
        while (main.focusWidget() != button) {
            QTest::keyClick(main.focusWidget(), Qt::Key_Tab);
        }
        // Focus events reach only an active window.
        EXPECT_TRUE(button->showsFocusMark() || !main.isActiveWindow());
        const int toasts = ToastViewController::openCount();
        QTest::keyClick(main.focusWidget(), key);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return ToastViewController::openCount() > toasts; }, 2000));
        EXPECT_EQ(hardware.defaultInput, input);
        // The offscreen platform activates every window it shows, the toast too.
        ASSERT_TRUE(activate(main));
    }
    QTest::mouseClick(mode->meetingButton(), Qt::LeftButton);
    EXPECT_FALSE(mode->meetingButton()->showsFocusMark());
    ASSERT_TRUE(server.waitForRequests(3));
}

} // namespace
