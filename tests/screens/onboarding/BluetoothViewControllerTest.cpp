#include "screens/onboarding/BluetoothViewController.h"

#include "MainScreenFixture.h"
#include "platform/LottieAnimation.h"
#include "platform/Timer.h"
#include "screens/onboarding/AnimationView.h"
#include "screens/onboarding/ModeViewController.h"
#include "screens/settings/SettingViewController.h"
#include "ui/Button.h"
#include "ui/TextView.h"

#include <QTemporaryDir>
#include <fstream>

namespace {

const std::filesystem::path animationFile =
    std::filesystem::path(LUMATIX_RESOURCES_SOURCE_DIR) / "Animations" / "img_step_01@1x.json";

int opaquePixels(const QImage& image, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return count;
}

class PairingGuideTest : public MainScreenFixture {};

TEST_F(PairingGuideTest, ShownWhileTheSpeakerphoneIsThereItLeavesAtTheFirstCheck) {
    const int timersBefore = platform::Timer::activeCount();
    show<BluetoothViewController>();
    EXPECT_EQ(mainScreenState, 1);
    EXPECT_EQ(platform::Timer::activeCount(), timersBefore + 1);
    platform::NotificationCenter::defaultCenter().post("checkStatus");
    QTest::qWait(20);
    EXPECT_NE(qobject_cast<BluetoothViewController*>(window.contentViewController()), nullptr);

    connectSpeakerphone(true);
    platform::NotificationCenter::defaultCenter().post("checkStatus");
    ASSERT_TRUE(waitForContent<ModeViewController>());
    EXPECT_EQ(mainScreenState, 2);
    EXPECT_EQ(window.frame(), Rect(200, 300, 1200, 662));
    EXPECT_EQ(platform::Timer::activeCount(), timersBefore + 1);
}

TEST_F(PairingGuideTest, OpenBluetoothWithoutAnySettingsAppSaysSoAndStays) {
    auto* guide = show<BluetoothViewController>();
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "");
    QTest::mouseClick(guide->openBluetoothButton(), Qt::LeftButton);
    qputenv("PATH", path);
    const auto lines = log.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "didOpenBluetoothClick");
    EXPECT_NE(lines[1].find("No Bluetooth settings found"), std::string::npos);
    QTest::qWait(20);
    EXPECT_EQ(window.contentViewController(), guide);
}

TEST_F(PairingGuideTest, SettingsButtonOpensSettingsOverTheGuide) {
    auto* guide = show<BluetoothViewController>();
    QTest::mouseClick(guide->settingButton(), Qt::LeftButton);
    ASSERT_EQ(guide->presentedViewControllers().size(), 1u);
    EXPECT_NE(qobject_cast<SettingViewController*>(guide->presentedViewControllers().front()),
              nullptr);
    EXPECT_EQ(modalWindowOrigin, Point(460, 431));
    guide->presentedViewControllers().front()->window()->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(log.contains("dismiss viewController"));
}

TEST_F(PairingGuideTest, ThreeTopAlignedStepsWhoseHeightsFollowTheirTexts) {
    auto* guide = show<BluetoothViewController>();
    EXPECT_EQ(guide->step2view()->geometry().topLeft(), QPoint(416, 227));
    EXPECT_EQ(guide->step1view()->geometry().right() + 1 + 16, guide->step2view()->x());
    EXPECT_EQ(guide->step2view()->geometry().right() + 1 + 16, guide->step3view()->x());
    EXPECT_EQ(guide->step1view()->y(), guide->step3view()->y());
    EXPECT_EQ(guide->animationView()->geometry(), QRect(24, 24, 320, 120));
    EXPECT_EQ(guide->openBluetoothButton()->geometry(), QRect(453, 546, 294, 56));
    EXPECT_EQ(guide->step2view()->height(), guide->step2TitleText()->height() + 199);
    EXPECT_EQ(guide->step3view()->height(),
              guide->step3TitleText()->height() + 180 + guide->step3DescriptionText()->height());

    const int oneLine = guide->step2TitleText()->height();
    const int step1Before = guide->step1view()->height();
    guide->step2TitleText()->setText(
        QStringLiteral("A step title far too long to stay on one line in a panel this narrow"));
    window.setFrame({200, 300, 1200, 663}, false);
    window.setFrame({200, 300, 1200, 662}, false);
    QCoreApplication::processEvents();
    EXPECT_GT(guide->step2TitleText()->height(), oneLine);
    EXPECT_EQ(guide->step2view()->height(), guide->step2TitleText()->height() + 199);
    EXPECT_EQ(guide->step1view()->height(), step1Before);
    EXPECT_EQ(guide->step2view()->y(), guide->step1view()->y());
}

TEST_F(PairingGuideTest, AnimationPlaysInALoopWhileShown) {
    auto* guide = show<BluetoothViewController>();
    AnimationView* animation = guide->animationView();
    ASSERT_TRUE(animation->hasAnimation());
    EXPECT_TRUE(animation->isPlaying());
    ASSERT_TRUE(QTest::qWaitFor([&] { return animation->currentFrame() > 3; }, 2000));
    EXPECT_GT(opaquePixels(animation->currentImage(), animation->currentImage().rect()), 0);
    // 60 frames at 30 per second: back at the start within about two seconds.
    EXPECT_TRUE(QTest::qWaitFor([&] { return animation->currentFrame() < 3; }, 4000));
}

TEST(LottieAnimationTest, RendersDistinctFramesFittedWithoutDistortion) {
    auto animation = platform::LottieAnimation::loadFromFile(animationFile);
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->size(), QSize(320, 120));
    EXPECT_EQ(animation->frameRate(), 30);
    EXPECT_EQ(animation->totalFrames(), 60);
    EXPECT_LT(std::filesystem::file_size(animationFile), 16u * 1024);

    const QImage first = animation->renderFrame(0, {320, 120});
    const QImage paired = animation->renderFrame(45, {320, 120});
    EXPECT_GT(opaquePixels(first, first.rect()), 320 * 120 / 20);
    EXPECT_NE(first, paired);

    // Twice as wide as drawn: the picture keeps its proportions, centred, with empty sides.
    const QImage wide = animation->renderFrame(0, {640, 120});
    EXPECT_EQ(opaquePixels(wide, {0, 0, 160, 120}), 0);
    EXPECT_EQ(opaquePixels(wide, {480, 0, 160, 120}), 0);
    EXPECT_EQ(wide.copy(160, 0, 320, 120), first);
}

TEST(LottieAnimationTest, MissingOrCorruptFilesAreReportedAndLeaveTheViewEmpty) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::filesystem::path root = folder.path().toStdString();
    std::filesystem::create_directories(root / "Animations");
    std::ofstream(root / "Animations" / "cut.json") << R"({"v":"5.5.2","fr":30,"layers":[{"ty")";
    std::ofstream(root / "Animations" / "empty.json") << "{}";
    platform::Bundle bundle({.identifier = "test", .resourcesPath = root});
    ScopedPlatform scoped({.bundle = &bundle});
    CapturedLog log;

    auto failure = platform::LottieAnimation::Failure::none;
    EXPECT_EQ(platform::LottieAnimation::loadFromFile(root / "none.json", &failure), nullptr);
    EXPECT_EQ(failure, platform::LottieAnimation::Failure::missing);

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
        EXPECT_EQ(view.currentFrame(), 0);
    }
}

TEST(LottieAnimationTest, GuideWithoutItsAnimationStillComesUp) {
    QTemporaryDir folder;
    platform::Bundle bundle({.identifier = "test", .resourcesPath = folder.path().toStdString()});
    ScopedPlatform scoped({.bundle = &bundle});
    CapturedLog log;
    Window window;
    window.setContentViewController(std::make_unique<BluetoothViewController>());
    window.show();
    QCoreApplication::processEvents();
    auto* guide = qobject_cast<BluetoothViewController*>(window.contentViewController());
    ASSERT_NE(guide, nullptr);
    EXPECT_FALSE(guide->animationView()->hasAnimation());
    EXPECT_EQ(log.lines().front().rfind("animation file missing: ", 0), 0u);
    EXPECT_EQ(mainScreenState, 1);
    window.setContentViewController(nullptr);
    mainScreenState = 0;
}

} // namespace
