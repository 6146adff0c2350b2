#include "update/UpdateWindows.h"

#include "app/DefaultsKeys.h"
#include "app/PersistedSettings.h"
#include "audio/AppManger.h"
#include "audio/Audio.h"
#include "audio/SpeakerDevice.h"
#include "net/HttpClient.h"
#include "platform/Bundle.h"
#include "platform/MemoryAudioHardware.h"
#include "platform/MemoryUserDefaults.h"
#include "platform/NotificationCenter.h"
#include "platform/Reachability.h"
#include "platform/Timer.h"
#include "region/AppUtility.h"
#include "screens/onboarding/BluetoothViewController.h"
#include "screens/onboarding/ModeViewController.h"
#include "support/CapturedLog.h"
#include "support/HttpTestServer.h"
#include "support/ScopedPlatform.h"
#include "ui/Button.h"
#include "ui/DefaultTitleBar.h"
#include "ui/Localization.h"
#include "ui/TextView.h"
#include "ui/Window.h"
#include "ui/WindowSetup.h"
#include "update/CheckOTAViewController.h"
#include "update/NetworkManger.h"
#include "update/NoNeedOTAViewController.h"
#include "update/OTAViewController.h"
#include "update/UpdateFlowState.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

using namespace std::chrono_literals;
using Fixed = platform::Reachability::Fixed;

namespace {

constexpr const char* updatePath = "/tvservice_api/api/response.php";

std::string offer(const std::string& link, const std::string& name) {
    return nlohmann::json{
        {"ResultCode", 9906},
        {"getUpdateList",
         {{"versionCode", "1000400"}, {"downloadLink", link}, {"versionName", name}}}}
        .dump();
}

const std::string noOffer = R"({"ResultCode":9900})";

// Stands in for the Mode screen and the pairing guide: whenever one of its modal windows
// closes it notes pendingUpdateScreen and presents the window it names.
class RecordingPresenter : public ViewController {
public:
    void dismissViewController(ViewController* controller) override {
        ViewController::dismissViewController(controller);
        pendingAtDismissal.push_back(pendingUpdateScreen);
        if (auto next = UpdateWindows::make(pendingUpdateScreen)) {
            next->setPreferredContentSize({340, 304});
            presentViewControllerAsModalWindow(std::move(next));
        } else {
            pendingUpdateScreen = 0;
        }
    }

    [[nodiscard]] ViewController* presented() const {
        const auto all = presentedViewControllers();
        return all.empty() ? nullptr : all.front();
    }

    std::vector<int> pendingAtDismissal;
};

class UpdateWindowsTest : public ::testing::Test {
protected:
    UpdateWindowsTest() {
        speakerDevice() = {};
        mainScreenState = 0;
        pendingUpdateScreen = 0;
        isForcedUpdate = false;
        isGlobalRegion = true;
        modalWindowOrigin = {0, 0};
        previousReachability = platform::Reachability::setFixed(Fixed::reachable);
        previousQuit = OTAViewController::setQuitApplication([this] { ++quits; });
        CheckOTAViewController::setRegionLookup(
            [this] { AppUtility::requestRegion(client, server.url(), "KEY"); });
        CheckOTAViewController::setUpdateClient(&manager);
        server.setHandler([this](const HttpTestServer::Request& request) {
            if (request.path == "/json/") {
                return HttpTestServer::json(R"({"countryCode":"US"})");
            }
            const bool forced =
                request.queryValue("packageName").find(".forced") != std::string::npos;
            return HttpTestServer::json(forced ? forcedReply : normalReply);
        });
        main.setReleasedWhenClosed(false);
    }

    ~UpdateWindowsTest() override {
        main.setContentViewController(nullptr);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        CheckOTAViewController::setUpdateClient(nullptr);
        CheckOTAViewController::setRegionLookup({});
        OTAViewController::setQuitApplication(previousQuit);
        platform::Reachability::setFixed(previousReachability);
        speakerDevice() = {};
        mainScreenState = 0;
        pendingUpdateScreen = 0;
        isForcedUpdate = false;
        modalWindowOrigin = {0, 0};
    }

    void connectSpeakerphone() {
        hardware.setOutputs({{7, "Lumatix U"}});
        Audio::refreshSpeakerDevice();
    }

    // The recording presenter as the content of the shown main window.
    RecordingPresenter* showPresenter() {
        auto owned = std::make_unique<RecordingPresenter>();
        RecordingPresenter* presenter = owned.get();
        main.setContentViewController(std::move(owned));
        main.setFrame({200, 300, 1200, 662}, false);
        main.show();
        QCoreApplication::processEvents();
        return presenter;
    }

    // Opens the update window `screen` over the presenter, as the Update tab starts it.
    template <typename Screen>
    Screen* present(RecordingPresenter* presenter, std::uint8_t screen) {
        pendingUpdateScreen = screen;
        modalWindowOrigin = {630, 479};
        auto made = UpdateWindows::make(screen);
        auto* shown = qobject_cast<Screen*>(made.get());
        made->setPreferredContentSize({340, 304});
        presenter->presentViewControllerAsModalWindow(std::move(made));
        QCoreApplication::processEvents();
        return shown;
    }

    // The launch step: the checking screen as the main window's content.
    CheckOTAViewController* showLaunchStep() {
        auto owned = std::make_unique<CheckOTAViewController>();
        CheckOTAViewController* screen = owned.get();
        main.setContentViewController(std::move(owned));
        main.setFrame({200, 300, 1200, 662}, false);
        main.show();
        QCoreApplication::processEvents();
        return screen;
    }

    template <typename Screen>
    bool waitForPresented(RecordingPresenter* presenter) {
        return QTest::qWaitFor(
            [&] { return qobject_cast<Screen*>(presenter->presented()) != nullptr; }, 20000);
    }

    template <typename Screen>
    bool waitForContent() {
        return QTest::qWaitFor(
            [this] { return qobject_cast<Screen*>(main.contentViewController()) != nullptr; },
            20000);
    }

    static void click(Button* button) { QTest::mouseClick(button, Qt::LeftButton); }

    static QString title(const ViewController* screen) {
        return screen->window()->titleBar()->listName()->text();
    }

    platform::MemoryAudioHardware hardware;
    platform::MemoryUserDefaults defaults;
    platform::Bundle bundle{{.identifier = "com.lumatix.test", .version = "1.0.3"}};
    ScopedPlatform scoped{
        {.userDefaults = &defaults, .audioHardware = &hardware, .bundle = &bundle}};
    HttpTestServer server;
    net::HttpClient client{{.stallLimit = 400ms}};
    NetworkManger manager{client, server.url()};
    CapturedLog log;
    std::string normalReply = noOffer;
    std::string forcedReply = noOffer;
    int quits = 0;
    std::optional<Fixed> previousReachability;
    std::function<void()> previousQuit;
    Window main;
};

// --- Look and placement -------------------------------------------------------------------

TEST_F(UpdateWindowsTest, CheckingWindowLaysOutItsElementsInA340By304ModalWindow) {
    server.setHandler([](const HttpTestServer::Request&) {
        HttpTestServer::Reply silent;
        silent.behaviour = HttpTestServer::Behaviour::stallBeforeHeaders;
        return silent;
    });
    RecordingPresenter* presenter = showPresenter();
    auto* checking = present<CheckOTAViewController>(presenter, 1);
    ASSERT_NE(checking, nullptr);
    Window* window = checking->window();
    EXPECT_EQ(window->frame(), Rect(630, 479, 340, 304 + DefaultTitleBar::barHeight));
    EXPECT_EQ(checking->view()->size(), QSize(340, 304));
    EXPECT_EQ(window->styleMask() & (Window::resizable | Window::miniaturizable), 0u);
    EXPECT_EQ(window->delegate(), checking);
    EXPECT_EQ(title(checking), Localization::localizedString(LocalizedKey::CheckOTAViewTitle));
    EXPECT_EQ(checking->otaImage()->geometry(), QRect(140, 51, 60, 60));
    EXPECT_EQ(checking->otaTitleText()->geometry(), QRect(24, 127, 292, 19));
    EXPECT_EQ(checking->otaTitleText()->toPlainText(),
              Localization::localizedString(LocalizedKey::CheckOTATitle));
    EXPECT_EQ(checking->cancelButton()->geometry(), QRect(24, 248, 292, 32));
    EXPECT_EQ(checking->cancelButton()->text(),
              Localization::localizedString(LocalizedKey::CancelButtonTitle));
    EXPECT_FALSE(PersistedSettings::getLastCheckOTADate().empty());
}

TEST_F(UpdateWindowsTest, NewVersionWindowTextsFollowTheForcedFlagWhenBuilt) {
    RecordingPresenter* presenter = showPresenter();
    auto* normal = present<OTAViewController>(presenter, 2);
    EXPECT_EQ(title(normal), Localization::localizedString(LocalizedKey::OTAViewTitle));
    EXPECT_EQ(normal->checkImage()->geometry(), QRect(140, 62, 60, 60));
    EXPECT_EQ(normal->checkTitleText()->geometry(), QRect(24, 138, 292, 42));
    EXPECT_EQ(normal->checkTitleText()->toPlainText(),
              Localization::localizedString(LocalizedKey::OTAViewUpdateTitle));
    EXPECT_EQ(normal->confirmButton()->geometry(), QRect(176, 248, 140, 32));
    EXPECT_EQ(normal->cancelButton()->geometry(), QRect(24, 248, 140, 32));
    EXPECT_EQ(normal->confirmButton()->text(),
              Localization::localizedString(LocalizedKey::OTAViewDownloadButtonTitle));
    EXPECT_EQ(normal->cancelButton()->text(),
              Localization::localizedString(LocalizedKey::OTAViewSkipButtonTitle));
    normal->window()->close();
    QCoreApplication::processEvents();

    isForcedUpdate = true;
    auto* forced = present<OTAViewController>(presenter, 2);
    EXPECT_EQ(forced->checkTitleText()->toPlainText(),
              Localization::localizedString(LocalizedKey::OTAViewForcedUpdateTitle));
    EXPECT_EQ(forced->cancelButton()->text(),
              Localization::localizedString(LocalizedKey::OTAViewCloseButtonTitle));
    isForcedUpdate = false;
    EXPECT_EQ(forced->cancelButton()->text(),
              Localization::localizedString(LocalizedKey::OTAViewCloseButtonTitle));
}

TEST_F(UpdateWindowsTest, UpToDateWindowAlwaysGoesToTheModalOrigin) {
    RecordingPresenter* presenter = showPresenter();
    auto* upToDate = present<NoNeedOTAViewController>(presenter, 4);
    EXPECT_EQ(upToDate->window()->frame().origin, Point(630, 479));
    EXPECT_EQ(upToDate->checkImage()->geometry(), QRect(140, 62, 60, 60));
    EXPECT_EQ(upToDate->checkTitleText()->geometry(), QRect(24, 138, 292, 42));
    EXPECT_EQ(upToDate->confirmButton()->geometry(), QRect(100, 248, 140, 32));
    EXPECT_EQ(upToDate->confirmButton()->text(),
              Localization::localizedString(LocalizedKey::OTAViewCloseButtonTitle));

    // Even with no flow pending, as when shown directly.
    pendingUpdateScreen = 0;
    modalWindowOrigin = {10, 20};
    presenter->presentViewControllerAsModalWindow(std::make_unique<NoNeedOTAViewController>());
    QCoreApplication::processEvents();
    EXPECT_EQ(presenter->presentedViewControllers().back()->window()->frame().origin,
              Point(10, 20));
}

TEST_F(UpdateWindowsTest, ModeScreenCentresTheUpdateWindowsOnTheMainWindow) {
    connectSpeakerphone();
    auto owned = std::make_unique<ModeViewController>();
    ModeViewController* mode = owned.get();
    main.setContentViewController(std::move(owned));
    main.show();
    QCoreApplication::processEvents();
    ASSERT_EQ(main.frame().origin, Point(200, 300));

    // The Update tab closes Settings with the check pending.
    mode->presentViewControllerAsModalWindow(std::make_unique<ViewController>());
    pendingUpdateScreen = 1;
    normalReply = offer("http://127.0.0.1/new.dmg", "1.0.4");
    mode->presentedViewControllers().front()->window()->close();
    QCoreApplication::processEvents();
    ASSERT_EQ(mode->presentedViewControllers().size(), 1u);
    auto* checking =
        qobject_cast<CheckOTAViewController*>(mode->presentedViewControllers().front());
    ASSERT_NE(checking, nullptr);
    EXPECT_EQ(checking->window()->frame().origin, Point(630, 479));

    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const auto shown = mode->presentedViewControllers();
            return !shown.empty() && qobject_cast<OTAViewController*>(shown.front()) != nullptr;
        },
        20000));
    EXPECT_EQ(pendingUpdateScreen, 2);
    EXPECT_EQ(mode->presentedViewControllers().front()->window()->frame().origin, Point(630, 479));
    mode->presentedViewControllers().front()->window()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(pendingUpdateScreen, 0);
    EXPECT_TRUE(mode->presentedViewControllers().empty());
}

// --- The modal chain ------------------------------------------------------------------------

TEST_F(UpdateWindowsTest, OfferedVersionChainsCheckingThenNewVersionThenDownload) {
    normalReply = offer("http://127.0.0.1/new.dmg", "1.0.4");
    RecordingPresenter* presenter = showPresenter();
    present<CheckOTAViewController>(presenter, 1);
    ASSERT_TRUE(waitForPresented<OTAViewController>(presenter));
    // The region is known before the update server is asked.
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].path, "/json/");
    EXPECT_EQ(requests[1].path, updatePath);
    EXPECT_EQ(requests[2].path, updatePath);

    auto* newVersion = qobject_cast<OTAViewController*>(presenter->presented());
    click(newVersion->confirmButton());
    EXPECT_EQ(presenter->pendingAtDismissal, (std::vector<int>{2, 3}));
    EXPECT_TRUE(log.contains("screen not available yet: DownloadOTAViewController"));
    EXPECT_EQ(presenter->presented(), nullptr);
    EXPECT_EQ(quits, 0);
}

TEST_F(UpdateWindowsTest, NoOfferChainsCheckingThenUpToDateThenNothing) {
    RecordingPresenter* presenter = showPresenter();
    present<CheckOTAViewController>(presenter, 1);
    ASSERT_TRUE(waitForPresented<NoNeedOTAViewController>(presenter));
    click(qobject_cast<NoNeedOTAViewController*>(presenter->presented())->confirmButton());
    EXPECT_EQ(presenter->pendingAtDismissal, (std::vector<int>{4, 0}));
    EXPECT_EQ(presenter->presented(), nullptr);
}

TEST_F(UpdateWindowsTest, CancelledOrUnreachableChecksEndWithTheUpToDateWindow) {
    RecordingPresenter* presenter = showPresenter();
    server.setHandler([](const HttpTestServer::Request&) {
        HttpTestServer::Reply silent;
        silent.behaviour = HttpTestServer::Behaviour::stallBeforeHeaders;
        return silent;
    });
    auto* checking = present<CheckOTAViewController>(presenter, 1);
    ASSERT_TRUE(server.waitForRequests(1));
    click(checking->cancelButton());
    EXPECT_EQ(presenter->pendingAtDismissal, (std::vector<int>{4}));
    ASSERT_NE(qobject_cast<NoNeedOTAViewController*>(presenter->presented()), nullptr);
    // The answer of the abandoned check reaches nobody.
    platform::NotificationCenter::defaultCenter().post("CheckOTADown");
    EXPECT_EQ(presenter->pendingAtDismissal.size(), 1u);
    presenter->presented()->window()->close();
    QCoreApplication::processEvents();

    const int requestsBefore = server.requestCount();
    platform::Reachability::setFixed(Fixed::unreachable);
    present<CheckOTAViewController>(presenter, 1);
    ASSERT_TRUE(waitForPresented<NoNeedOTAViewController>(presenter));
    EXPECT_EQ(log.count("Not reachable"), 1);
    presenter->presented()->window()->close();
    QCoreApplication::processEvents();

    platform::Reachability::setFixed(Fixed::notifierFails);
    present<CheckOTAViewController>(presenter, 1);
    ASSERT_TRUE(waitForPresented<NoNeedOTAViewController>(presenter));
    EXPECT_EQ(log.count("Unable to start notifier"), 1);
    EXPECT_EQ(presenter->pendingAtDismissal, (std::vector<int>{4, 0, 4, 0, 4}));
    EXPECT_EQ(server.requestCount(), requestsBefore);
}

TEST_F(UpdateWindowsTest, CloseBoxOrSkipLeavesTheFlowWithNothingNext) {
    RecordingPresenter* presenter = showPresenter();
    for (const std::uint8_t screen : {1, 2, 4}) {
        pendingUpdateScreen = screen;
        auto made = UpdateWindows::make(screen);
        ViewController* shown = made.get();
        presenter->presentViewControllerAsModalWindow(std::move(made));
        QCoreApplication::processEvents();
        shown->window()->close();
        QCoreApplication::processEvents();
        EXPECT_EQ(presenter->pendingAtDismissal.back(), 0) << int(screen);
        EXPECT_EQ(presenter->presented(), nullptr) << int(screen);
    }
    auto* newVersion = present<OTAViewController>(presenter, 2);
    click(newVersion->cancelButton());
    EXPECT_EQ(presenter->pendingAtDismissal.back(), 0);
    EXPECT_EQ(presenter->presented(), nullptr);
    EXPECT_EQ(quits, 0);
}

TEST_F(UpdateWindowsTest, ForcedUpdateCloseButtonQuitsButItsCloseBoxOnlyCloses) {
    isForcedUpdate = true;
    RecordingPresenter* presenter = showPresenter();
    auto* forced = present<OTAViewController>(presenter, 2);
    click(forced->cancelButton());
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(pendingUpdateScreen, 2);

    forced->window()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(presenter->pendingAtDismissal, (std::vector<int>{0}));

    // In the launch step too.
    forcedReply = offer("http://127.0.0.1/forced.dmg", "");
    showLaunchStep();
    ASSERT_TRUE(waitForContent<OTAViewController>());
    click(qobject_cast<OTAViewController*>(main.contentViewController())->cancelButton());
    EXPECT_EQ(quits, 2);
}

// --- The launch step ------------------------------------------------------------------------

TEST_F(UpdateWindowsTest, LaunchStepShrinksTheMainWindowAndHandsItToTheOffer) {
    main.setStyleMask(Window::titled | Window::closable | Window::miniaturizable);
    normalReply = offer("http://127.0.0.1/new.dmg", "1.0.4");
    showLaunchStep();
    EXPECT_EQ(main.frame(), UpdateScreenViewController::launchStepFrame);
    EXPECT_EQ(main.frame(), Rect(790, 388, 340, 304));
    EXPECT_EQ(main.styleMask() & Window::miniaturizable, 0u);
    EXPECT_FALSE(PersistedSettings::getLastCheckOTADate().empty());
    ASSERT_TRUE(waitForContent<OTAViewController>());
    EXPECT_EQ(main.frame(), Rect(790, 388, 340, 304));
    EXPECT_EQ(pendingUpdateScreen, 0);

    auto* newVersion = qobject_cast<OTAViewController*>(main.contentViewController());
    click(newVersion->confirmButton());
    EXPECT_TRUE(log.contains("screen not available yet: DownloadOTAViewController"));

    // Skipping moves on; the main window can be minimized again once the step is over.
    defaults.setInteger(defaults_keys::checkPrivacyStatus, 1);
    click(newVersion->cancelButton());
    ASSERT_TRUE(waitForContent<BluetoothViewController>());
    EXPECT_NE(main.styleMask() & Window::miniaturizable, 0u);
}

TEST_F(UpdateWindowsTest, LaunchStepWithoutOfferWaitsForConsentWhileUnanswered) {
    showLaunchStep();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return log.contains("screen not available yet: GDPRViewController"); }, 20000));
    QTest::qWait(20);
    EXPECT_NE(qobject_cast<CheckOTAViewController*>(main.contentViewController()), nullptr);
}

TEST_F(UpdateWindowsTest, LaunchStepWithConsentGoesToModeOrGuideWithTheMonitorRunning) {
    struct Case {
        std::int64_t consent;
        bool speakerphone;
        bool reachable;
    };
    for (const Case& c : {Case{1, true, true}, Case{2, false, true}, Case{2, true, false}}) {
        SCOPED_TRACE(testing::Message() << c.consent << c.speakerphone << c.reachable);
        defaults.setInteger(defaults_keys::checkPrivacyStatus, c.consent);
        if (c.speakerphone) {
            connectSpeakerphone();
        } else {
            hardware.setOutputs({});
            Audio::refreshSpeakerDevice();
        }
        platform::Reachability::setFixed(c.reachable ? Fixed::reachable : Fixed::unreachable);
        log.clear();
        showLaunchStep();
        if (c.speakerphone) {
            ASSERT_TRUE(waitForContent<ModeViewController>());
        } else {
            ASSERT_TRUE(waitForContent<BluetoothViewController>());
        }
        EXPECT_EQ(log.contains("Not reachable"), !c.reachable);
        const platform::Timer* monitor = AppManger::shared().checkBTStatusTimer();
        ASSERT_NE(monitor, nullptr);
        EXPECT_TRUE(monitor->isValid());
        EXPECT_TRUE(monitor->repeats());
        EXPECT_EQ(monitor->interval(), 3000ms);
        main.setContentViewController(nullptr);
        QCoreApplication::processEvents();
    }
}

TEST_F(UpdateWindowsTest, LaunchStepCancelLeavesOnceHoweverOftenItIsClicked) {
    defaults.setInteger(defaults_keys::checkPrivacyStatus, 2);
    server.setHandler([](const HttpTestServer::Request&) {
        HttpTestServer::Reply silent;
        silent.behaviour = HttpTestServer::Behaviour::stallBeforeHeaders;
        return silent;
    });
    CheckOTAViewController* checking = showLaunchStep();
    checking->didCancelClick();
    checking->didCancelClick();
    ASSERT_TRUE(waitForContent<BluetoothViewController>());
    ViewController* guide = main.contentViewController();
    QTest::qWait(50);
    EXPECT_EQ(main.contentViewController(), guide);
    // A second guide would have pushed the first one out again.
    EXPECT_EQ(log.count("viewDidDisappear"), 0);
}

} // namespace
