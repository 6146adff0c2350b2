#include "core/SpeakerDevice.h"
#include "platform/NotificationCenter.h"
#include "platform/Timer.h"
#include "screens/info/InfoViewController.h"
#include "screens/onboarding/AnimationView.h"
#include "screens/onboarding/BluetoothViewController.h"
#include "screens/onboarding/ModeViewController.h"
#include "screens/settings/SettingViewController.h"
#include "support/AppFixture.h"
#include "ui/Button.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/TextView.h"

#include <QTemporaryDir>
#include <QTextBlock>
#include <algorithm>
#include <fstream>

namespace {

class MainScreensTest : public AppFixture {
protected:
    ModeViewController* showMode() { return show<ModeViewController>(Screen::mode); }
    // Clicks well inside a panel, as the user would.
    static void clickInside(QWidget* panel) {
        const QPoint point(panel->width() / 2, panel->height() - 30);
        QWidget* target = panel->childAt(point);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(panel, point));
    }
    bool toastAppears(int before) {
        return QTest::qWaitFor([&] { return ToastViewController::openCount() > before; }, 2000);
    }
    static int observers() {
        auto& center = platform::NotificationCenter::defaultCenter();
        return center.observerCount("checkStatus") + center.observerCount("openSetting") +
               center.observerCount("openInfo");
    }
};

TEST_F(MainScreensTest, ModePanelsReportShowAToastAndSwitchTheDefaults) {
    defaults.setInteger("CheckPrivacyStatus", 1);
    connectSpeakerphone(true);
    hardware.setInputs({{20, "Built-in Microphone"}, {21, "Lumatix U Microphone"}});
    auto* mode = showMode();
    struct Case {
        QWidget* panel;
        const char* line;
        platform::AudioDeviceID input;
    };
    for (const Case& c : {Case{mode->meetingView(), "didMeetingClick", 21},
                          Case{mode->musicView(), "didMusicClick", 20}}) {
        const int toasts = ToastViewController::openCount();
        clickInside(c.panel);
        EXPECT_TRUE(toastAppears(toasts)) << c.line;
        EXPECT_TRUE(log.contains(c.line));
        EXPECT_EQ(hardware.defaultOutput(), 7u);
        EXPECT_EQ(hardware.defaultInput(), c.input);
    }
    // Outside a window the mode still switches, without a toast.
    ModeViewController loose;
    loose.view();
    const int toasts = ToastViewController::openCount();
    loose.didMeetingClick();
    QTest::qWait(50);
    EXPECT_EQ(ToastViewController::openCount(), toasts);
    EXPECT_EQ(log.count("didMeetingClick"), 2);
    ASSERT_TRUE(server.waitForRequests(3));
    std::vector<std::string> events;
    for (const auto& request : server.requests()) {
        events.push_back(request.queryValue("e_a") + " " + request.queryValue("e_n"));
    }
    // Each event travels on its own connection, so the arrival order is not fixed.
    std::sort(events.begin(), events.end());
    EXPECT_EQ(events,
              (std::vector<std::string>{"nb_mode meeting", "nb_mode meeting", "nb_mode music"}));
}

TEST_F(MainScreensTest, EachAppearanceKeepsOneTimerAndLeavingDropsTheObservers) {
    connectSpeakerphone(true);
    const int timers = platform::Timer::activeCount();
    auto* mode = showMode();
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(platform::Timer::activeCount(), timers + 1);
        EXPECT_EQ(observers(), 3);
        EXPECT_TRUE(mode->checkStatusTimer()->repeats());
        main.hide();
        EXPECT_EQ(platform::Timer::activeCount(), timers);
        EXPECT_EQ(observers(), 0);
        main.show();
    }
    platform::NotificationCenter::defaultCenter().post("openInfo");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !mode->presentedViewControllers().empty(); }, 2000));
    EXPECT_NE(qobject_cast<InfoViewController*>(mode->presentedViewControllers().front()), nullptr);
    mode->dismissViewController(mode->presentedViewControllers().front());
    platform::NotificationCenter::defaultCenter().post("openSetting");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !mode->presentedViewControllers().empty(); }, 2000));
    EXPECT_NE(qobject_cast<SettingViewController*>(mode->presentedViewControllers().front()),
              nullptr);
}

TEST_F(MainScreensTest, TitleHighlightsTheDeviceNameOnly) {
    // The name goes into the English title's placeholder.
    Localization::install(QString::fromLatin1(Localization::english));
    hardware.setOutputs({{7, "Lumatix U Pro"}});
    for (const bool named : {true, false}) {
        Audio::refreshSpeakerDevice();
        ModeViewController mode;
        mode.view();
        QString colours;
        for (auto block = mode.modeTitleText()->document()->begin(); block.isValid();
             block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QColor colour = it.fragment().charFormat().foreground().color();
                colours += QString(it.fragment().length(), colour == colorAccent() ? u'A' : u'n');
            }
        }
        const QString title = mode.modeTitleText()->toPlainText();
        QString expected(title.size(), u'n');
        if (named) {
            expected.replace(title.indexOf(QStringLiteral("Lumatix U Pro")), 13, QString(13, u'A'));
        }
        EXPECT_EQ(colours, expected);
        hardware.setOutputs({});
    }
    Localization::uninstall();
}

TEST_F(MainScreensTest, GuideStaysWithoutSettingsAppAndPlaysItsAnimation) {
    auto* guide = show<BluetoothViewController>(Screen::bluetoothGuide);
    EXPECT_EQ(mainScreenState, 1);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "");
    QTest::mouseClick(guide->openBluetoothButton(), Qt::LeftButton);
    qputenv("PATH", path);
    ASSERT_EQ(log.lines().size(), 2u);
    EXPECT_EQ(log.lines()[0], "didOpenBluetoothClick");
    EXPECT_NE(log.lines()[1].find("No Bluetooth settings found"), std::string::npos);
    AnimationView* animation = guide->animationView();
    ASSERT_TRUE(animation->hasAnimation());
    ASSERT_TRUE(QTest::qWaitFor([&] { return animation->currentFrame() > 3; }, 2000));
    // 60 frames at 30 per second: back at the start within about two seconds.
    EXPECT_TRUE(QTest::qWaitFor([&] { return animation->currentFrame() < 3; }, 4000));
    EXPECT_EQ(main.contentViewController(), guide);
}

TEST(LottieAnimationTest, MissingOrCorruptFilesAreReportedAndLeaveTheViewEmpty) {
    QTemporaryDir folder;
    const std::filesystem::path root = folder.path().toStdString();
    std::filesystem::create_directories(root / "Animations");
    std::ofstream(root / "Animations" / "cut.json") << R"({"v":"5.5.2","fr":30,"layers":[{"ty")";
    std::ofstream(root / "Animations" / "empty.json") << "{}";
    platform::Bundle bundle({.identifier = "test", .resourcesPath = root});
    ScopedPlatform scoped({.bundle = &bundle});
    CapturedLog log;
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
