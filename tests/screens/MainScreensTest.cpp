#include "core/SpeakerDevice.h"
#include "platform/LottieAnimation.h"
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
#include <fstream>

namespace {

int opaquePixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return count;
}

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

TEST_F(MainScreensTest, ModePanelsShowAToastAndSwitchTheDefaults) {
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
    Audio::refreshSpeakerDevice();
    for (const bool named : {true, false}) {
        if (!named) {
            speakerDevice() = {};
        }
        ModeViewController mode;
        mode.view();
        const QString title = mode.modeTitleText()->toPlainText();
        const auto at = named ? title.indexOf(QStringLiteral("Lumatix U Pro")) : -1;
        ASSERT_TRUE(!named || at >= 0);
        qsizetype i = 0;
        for (auto block = mode.modeTitleText()->document()->begin(); block.isValid();
             block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QColor colour = it.fragment().charFormat().foreground().color();
                for (int k = 0; k < it.fragment().length(); ++k, ++i) {
                    const bool inName = at >= 0 && i >= at && i < at + 13;
                    EXPECT_EQ(colour, inName ? colorAccent() : colorNavy()) << i;
                }
            }
        }
        EXPECT_EQ(i, title.size());
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

TEST(LottieAnimationTest, RendersDistinctFramesFittedWithoutDistortion) {
    const std::filesystem::path file =
        std::filesystem::path(LUMATIX_RESOURCES_SOURCE_DIR) / "Animations/img_step_01@1x.json";
    auto animation = platform::LottieAnimation::loadFromFile(file);
    ASSERT_NE(animation, nullptr);
    const QImage first = animation->renderFrame(0, {320, 120});
    EXPECT_GT(opaquePixels(first, first.rect()), 320 * 120 / 20);
    EXPECT_NE(first, animation->renderFrame(45, {320, 120}));
    // Twice as wide as drawn: the picture keeps its proportions, centred, with empty sides.
    const QImage wide = animation->renderFrame(0, {640, 120});
    EXPECT_EQ(opaquePixels(wide, {0, 0, 160, 120}) + opaquePixels(wide, {480, 0, 160, 120}), 0);
    EXPECT_EQ(wide.copy(160, 0, 320, 120), first);
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
