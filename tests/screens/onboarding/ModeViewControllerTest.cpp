#include "screens/onboarding/ModeViewController.h"

#include "MainScreenFixture.h"
#include "platform/Timer.h"
#include "screens/info/InfoViewController.h"
#include "screens/onboarding/BluetoothViewController.h"
#include "screens/settings/SettingViewController.h"
#include "ui/Button.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/TextView.h"
#include "ui/ToastViewController.h"

#include <QLabel>
#include <QTextBlock>
#include <QTextDocument>
#include <map>
#include <string>

namespace {

class ModeScreenTest : public MainScreenFixture {
protected:
    void SetUp() override {
        MainScreenFixture::SetUp();
        connectSpeakerphone(true);
    }

    // Clicks a point inside the panel, well away from its edges, as the user would.
    static void clickInside(QWidget* panel) {
        QWidget* target = panel->childAt(panel->width() / 2, panel->height() - 30);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {},
                          target->mapFrom(panel, QPoint(panel->width() / 2, panel->height() - 30)));
    }

    void expectToastShown(int before) {
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return ToastViewController::openCount() > before; }, 2000));
    }
};

// The colour of each character of the title.
std::vector<QColor> characterColours(const TextView* text) {
    std::vector<QColor> colours;
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            for (int i = 0; i < fragment.length(); ++i) {
                colours.push_back(fragment.charFormat().foreground().color());
            }
        }
    }
    return colours;
}

TEST_F(ModeScreenTest, HandsOverToTheGuideWithinOneTickOfTheSpeakerphoneGoingAndBack) {
    const int timersBefore = platform::Timer::activeCount();
    const int observersBefore = observers();
    show<ModeViewController>();
    const Rect frame = window.frame();
    EXPECT_EQ(mainScreenState, 2);

    connectSpeakerphone(false);
    AppManger::shared().checkBTStatus();
    ASSERT_TRUE(waitForContent<BluetoothViewController>());
    EXPECT_EQ(mainScreenState, 1);
    EXPECT_EQ(window.frame(), frame);
    EXPECT_EQ(platform::Timer::activeCount(), timersBefore + 1);
    EXPECT_EQ(observers(), observersBefore + 3);

    connectSpeakerphone(true);
    AppManger::shared().checkBTStatus();
    ASSERT_TRUE(waitForContent<ModeViewController>());
    EXPECT_EQ(mainScreenState, 2);
    EXPECT_EQ(platform::Timer::activeCount(), timersBefore + 1);
    EXPECT_EQ(observers(), observersBefore + 3);
    EXPECT_EQ(log.count("viewDidDisappear"), 2);
}

TEST_F(ModeScreenTest, TimerAndNotificationInOneTurnHandOverOnlyOnce) {
    auto* mode = show<ModeViewController>();
    connectSpeakerphone(false);
    mode->checkStatusWithNotitfication();
    platform::NotificationCenter::defaultCenter().post("checkStatus");
    ASSERT_TRUE(waitForContent<BluetoothViewController>());
    QTest::qWait(50);
    EXPECT_EQ(log.count("viewDidDisappear"), 1);
    EXPECT_TRUE(window.contentViewController()->isAppeared());
}

TEST_F(ModeScreenTest, EachAppearanceLeavesOneTimerAndDisappearanceNoObservers) {
    const int timersBefore = platform::Timer::activeCount();
    const int observersBefore = observers();
    auto* mode = show<ModeViewController>();
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(platform::Timer::activeCount(), timersBefore + 1);
        EXPECT_EQ(observers(), observersBefore + 3);
        ASSERT_NE(mode->checkStatusTimer(), nullptr);
        EXPECT_EQ(mode->checkStatusTimer()->interval(), std::chrono::milliseconds(3000));
        EXPECT_TRUE(mode->checkStatusTimer()->repeats());
        window.hide();
        EXPECT_EQ(platform::Timer::activeCount(), timersBefore);
        EXPECT_EQ(observers(), observersBefore);
        window.show();
    }
    EXPECT_EQ(log.count("viewDidDisappear"), 3);
}

TEST_F(ModeScreenTest, MeetingClickWithTwoSpeakerphonesMatchesTheInputToTheChosenOne) {
    const std::map<platform::AudioDeviceID, std::string> names{{7, "Lumatix U"},
                                                               {8, "Lumatix U (2)"},
                                                               {20, "Lumatix U Microphone"},
                                                               {21, "Lumatix U (2) Microphone"},
                                                               {30, "Built-in Microphone"}};
    hardware.setOutputs({{7, names.at(7)}, {8, names.at(8)}});
    hardware.setInputs({{20, names.at(20)}, {21, names.at(21)}, {30, names.at(30)}});
    auto* mode = show<ModeViewController>();
    const int toasts = ToastViewController::openCount();
    clickInside(mode->meetingView());

    expectToastShown(toasts);
    EXPECT_TRUE(log.contains("didMeetingClick"));
    ASSERT_TRUE(hardware.defaultOutput().has_value());
    ASSERT_TRUE(hardware.defaultInput().has_value());
    EXPECT_EQ(hardware.outputRequests().size(), 1u);
    EXPECT_NE(names.at(*hardware.defaultInput()).find(names.at(*hardware.defaultOutput())),
              std::string::npos);
}

TEST_F(ModeScreenTest, MeetingClickWithoutMatchingInputOrSpeakerphoneStillShowsTheToast) {
    hardware.setInputs({{20, "Built-in Microphone"}});
    auto* mode = show<ModeViewController>();
    int toasts = ToastViewController::openCount();
    clickInside(mode->meetingView());
    expectToastShown(toasts);
    EXPECT_EQ(hardware.defaultOutput(), 7u);
    EXPECT_FALSE(hardware.defaultInput().has_value());

    hardware.setOutputs({});
    toasts = ToastViewController::openCount();
    mode->didMeetingClick();
    expectToastShown(toasts);
    EXPECT_EQ(hardware.outputRequests().size(), 1u);
    EXPECT_EQ(log.count("didMeetingClick"), 2);
}

TEST_F(ModeScreenTest, MusicClickTakesTheOtherMicrophone) {
    hardware.setInputs({{20, "Built-in Microphone"}, {21, "Lumatix U Microphone"}});
    auto* mode = show<ModeViewController>();
    const int toasts = ToastViewController::openCount();
    clickInside(mode->musicView());
    expectToastShown(toasts);
    EXPECT_TRUE(log.contains("didMusicClick"));
    EXPECT_EQ(hardware.defaultOutput(), 7u);
    EXPECT_EQ(hardware.defaultInput(), 20u);
}

TEST_F(ModeScreenTest, OutsideAWindowModesSwitchWithoutToast) {
    ModeViewController mode;
    mode.view();
    const int toasts = ToastViewController::openCount();
    mode.didMeetingClick();
    QTest::qWait(50);
    EXPECT_EQ(ToastViewController::openCount(), toasts);
    EXPECT_EQ(hardware.defaultOutput(), 7u);
}

TEST_F(ModeScreenTest, TitleHighlightsTheDeviceNameOnly) {
    // The name goes into the translated title's placeholder.
    const QString language = Localization::installedLanguage();
    Localization::install(QString::fromLatin1(Localization::english));
    hardware.setOutputs({{7, "Lumatix U Pro"}});
    Audio::refreshSpeakerDevice();
    ModeViewController named;
    named.view();
    const QString title = named.modeTitleText()->toPlainText();
    const auto at = title.indexOf(QStringLiteral("Lumatix U Pro"));
    ASSERT_GE(at, 0);
    const auto colours = characterColours(named.modeTitleText());
    ASSERT_EQ(static_cast<qsizetype>(colours.size()), title.size());
    for (qsizetype i = 0; i < title.size(); ++i) {
        const bool inName = i >= at && i < at + 13;
        EXPECT_EQ(colours[static_cast<size_t>(i)], inName ? colorAccent() : colorNavy()) << i;
    }

    speakerDevice() = {};
    ModeViewController nameless;
    nameless.view();
    for (const QColor& colour : characterColours(nameless.modeTitleText())) {
        EXPECT_EQ(colour, colorNavy());
    }
    if (language.isEmpty()) {
        Localization::uninstall();
    } else {
        Localization::install(language);
    }
}

TEST_F(ModeScreenTest, SettingsOpensCentredAndClosingRestartsTheStatusCheck) {
    auto* mode = show<ModeViewController>();
    ASSERT_EQ(window.frame().origin, Point(200, 300));
    QTest::mouseClick(mode->settingButton(), Qt::LeftButton);
    EXPECT_TRUE(log.contains("didSettingButtonClick"));
    ASSERT_EQ(mode->presentedViewControllers().size(), 1u);
    ViewController* settings = mode->presentedViewControllers().front();
    EXPECT_NE(qobject_cast<SettingViewController*>(settings), nullptr);
    EXPECT_EQ(settings->preferredContentSize(), Size(680, 400));
    EXPECT_EQ(modalWindowOrigin, Point(460, 431));

    const platform::Timer* before = mode->checkStatusTimer();
    const int timers = platform::Timer::activeCount();
    settings->window()->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(log.contains("dismiss viewController"));
    EXPECT_TRUE(mode->presentedViewControllers().empty());
    // Where an update window would go next.
    EXPECT_EQ(modalWindowOrigin, Point(630, 479));
    EXPECT_NE(mode->checkStatusTimer(), before);
    EXPECT_EQ(platform::Timer::activeCount(), timers);
}

TEST_F(ModeScreenTest, MenuNotificationsOpenSettingsAndInformation) {
    auto* mode = show<ModeViewController>();
    platform::NotificationCenter::defaultCenter().post("openInfo");
    EXPECT_TRUE(mode->presentedViewControllers().empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !mode->presentedViewControllers().empty(); }, 2000));
    ViewController* info = mode->presentedViewControllers().front();
    EXPECT_NE(qobject_cast<InfoViewController*>(info), nullptr);
    EXPECT_FALSE(log.contains("didInfoButtonClick"));
    mode->dismissViewController(info);

    platform::NotificationCenter::defaultCenter().post("openSetting");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !mode->presentedViewControllers().empty(); }, 2000));
    EXPECT_NE(qobject_cast<SettingViewController*>(mode->presentedViewControllers().front()),
              nullptr);
    mode->dismissViewController(mode->presentedViewControllers().front());
}

TEST_F(ModeScreenTest, LayoutFollowsTheConstantsAndATwoLineTitleGrowsItsPanel) {
    auto* mode = show<ModeViewController>();
    const QWidget* root = mode->view();
    ASSERT_EQ(root->size(), QSize(1200, 634));
    EXPECT_EQ(mode->logoItemImage()->geometry(), QRect(528, 107, 143, 40));
    EXPECT_EQ(mode->modeTitleText()->geometry(), QRect(32, 163, 1136, 21));
    EXPECT_EQ(mode->modeDescriptionText()->geometry(), QRect(32, 188, 1136, 19));
    EXPECT_EQ(mode->meetingView()->geometry().topRight(), QPoint(591, 227));
    EXPECT_EQ(mode->musicView()->geometry().topLeft(), QPoint(608, 227));
    EXPECT_EQ(mode->meetingButton()->geometry(), mode->meetingView()->rect());
    EXPECT_EQ(mode->infoButton()->geometry(), QRect(1112, 546, 56, 56));
    EXPECT_EQ(mode->settingButton()->geometry(), QRect(1048, 546, 56, 56));
    const int oneLine = mode->meetingTitleText()->height();
    EXPECT_EQ(mode->meetingView()->height(),
              oneLine + 180 + mode->meetingDescriptionText()->height());

    const int meetingBefore = mode->meetingView()->height();
    const int musicBefore = mode->musicView()->height();
    mode->meetingTitleText()->setText(QStringLiteral("A title far too long to stay on one line "
                                                     "in a panel this narrow"));
    window.setFrame({200, 300, 1200, 663}, false);
    window.setFrame({200, 300, 1200, 662}, false);
    QCoreApplication::processEvents();
    EXPECT_GT(mode->meetingTitleText()->height(), oneLine);
    EXPECT_EQ(mode->meetingView()->height(),
              meetingBefore + mode->meetingTitleText()->height() - oneLine);
    EXPECT_EQ(mode->musicView()->height(), musicBefore);
    EXPECT_EQ(mode->meetingView()->y(), mode->musicView()->y());
    EXPECT_EQ(mode->meetingDescriptionText()->y(),
              mode->meetingTitleText()->geometry().bottom() + 5);
}

} // namespace
