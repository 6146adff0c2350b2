#include "ui/Window.h"

#include "screens/info/InfoViewController.h"
#include "screens/settings/SettingViewController.h"
#include "ui/DefaultTitleBar.h"
#include "ui/Palette.h"
#include "ui/ViewController.h"
#include "ui/WindowSetup.h"
#include "update/UpdateFlowState.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Records its appearance calls in one shared journal.
class RecordingController : public ViewController {
public:
    RecordingController(std::string name, std::vector<std::string>* journal)
        : name_(std::move(name)), journal_(journal) {}

protected:
    void viewDidLoad() override { journal_->push_back(name_ + " load"); }
    void viewDidAppear() override { journal_->push_back(name_ + " appear"); }
    void viewDidDisappear() override { journal_->push_back(name_ + " disappear"); }

private:
    std::string name_;
    std::vector<std::string>* journal_;
};

std::unique_ptr<Window> shownMainWindow(std::unique_ptr<ViewController> content) {
    auto window = std::make_unique<Window>();
    window->setReleasedWhenClosed(false);
    window->setContentViewController(std::move(content));
    WindowSetup::setUpMainWindow(*window);
    window->show();
    return window;
}

} // namespace

TEST(WindowTest, SecondTitleBarReplacesTheFirst) {
    Window window;
    window.setTitleBar("First", Qt::white, colorNavy());
    window.setTitleBar("Second", colorTitleGrey(), Qt::white);
    const auto bars = window.findChildren<DefaultTitleBar*>();
    ASSERT_EQ(bars.size(), 1);
    EXPECT_EQ(bars.front(), window.titleBar());
    EXPECT_EQ(bars.front()->listName()->text(), "Second");
    EXPECT_EQ(window.windowTitle(), "Second");
    EXPECT_EQ(bars.front()->height(), 28);
}

TEST(WindowTest, WindowWithoutTitleGetsNoBar) {
    Window window;
    window.setStyleMask(Window::closable);
    window.setTitleBar("Ignored", Qt::white, colorNavy());
    EXPECT_EQ(window.titleBar(), nullptr);
    EXPECT_TRUE(window.findChildren<DefaultTitleBar*>().isEmpty());
}

TEST(WindowTest, FramesAreConvertedOnceAtPlacement) {
    const QRect screen(0, 0, 1920, 1080);
    const Rect frame(200, 300, 1200, 662);
    const QRect placed = Geometry::toQt(frame, screen);
    EXPECT_EQ(placed, QRect(200, 1080 - 300 - 662, 1200, 662));
    EXPECT_EQ(Geometry::fromQt(placed, screen), frame);
    // A second screen to the right keeps its own origin.
    EXPECT_EQ(Geometry::toQt(frame, QRect(1920, 0, 1280, 1024)).topLeft(),
              QPoint(2120, 1024 - 300 - 662));
}

TEST(WindowTest, MainWindowSetUpGivesTheFixedFrameWithoutResizing) {
    auto window = shownMainWindow(std::make_unique<ViewController>());
    EXPECT_EQ(window->frame(), Rect(200, 300, 1200, 662));
    EXPECT_EQ(window->size(), QSize(1200, 662));
    EXPECT_EQ(window->styleMask() & Window::resizable, 0u);
    EXPECT_EQ(window->titleBar()->listName()->text(), WindowSetup::mainWindowTitle());
}

TEST(WindowTest, SecondaryWindowsAreCentredOverTheMainWindow) {
    for (bool settings : {true, false}) {
        auto window = shownMainWindow(std::make_unique<ViewController>());
        auto* content = window->contentViewController();
        std::unique_ptr<ViewController> secondary;
        if (settings) {
            secondary = std::make_unique<SettingViewController>();
        } else {
            secondary = std::make_unique<InfoViewController>();
        }
        WindowSetup::presentSecondaryWindow(content, std::move(secondary));
        ASSERT_EQ(content->presentedViewControllers().size(), 1u);
        Window* presented = content->presentedViewControllers().front()->window();
        ASSERT_NE(presented, nullptr);
        EXPECT_EQ(presented->frame().origin, Point(460, 431));
        EXPECT_EQ(presented->frame().size, Size(680, 428));
        EXPECT_EQ(presented->styleMask() & Window::resizable, 0u);
        EXPECT_NE(presented->titleBar(), nullptr);
        EXPECT_EQ(modalWindowOrigin, Point(460, 431));
    }
}

TEST(WindowTest, OpeningSettingsEndsAPendingUpdateFlow) {
    auto window = shownMainWindow(std::make_unique<ViewController>());
    pendingUpdateScreen = 2;
    WindowSetup::presentSecondaryWindow(window->contentViewController(),
                                        std::make_unique<InfoViewController>());
    EXPECT_EQ(pendingUpdateScreen, 2);
    WindowSetup::presentSecondaryWindow(window->contentViewController(),
                                        std::make_unique<SettingViewController>());
    EXPECT_EQ(pendingUpdateScreen, 0);
}

TEST(ViewControllerTest, ViewIsLoadedOnceOnFirstUse) {
    std::vector<std::string> journal;
    RecordingController controller("a", &journal);
    EXPECT_FALSE(controller.isViewLoaded());
    QWidget* view = controller.view();
    EXPECT_EQ(controller.view(), view);
    EXPECT_EQ(journal, std::vector<std::string>{"a load"});
}

TEST(ViewControllerTest, ReplacingContentEndsTheOldScreenBeforeTheNewOneAppears) {
    std::vector<std::string> journal;
    auto window = shownMainWindow(std::make_unique<RecordingController>("first", &journal));
    window->setContentViewController(std::make_unique<RecordingController>("second", &journal));
    window->hide();
    window->show();
    EXPECT_EQ(journal, (std::vector<std::string>{"first load", "first appear", "first disappear",
                                                 "second load", "second appear", "second disappear",
                                                 "second appear"}));
}

TEST(ViewControllerTest, ClosingAModalWindowEndsItsScreenAndTellsThePresenter) {
    std::vector<std::string> journal;
    auto window = shownMainWindow(std::make_unique<ViewController>());
    auto* content = window->contentViewController();
    content->presentViewControllerAsModalWindow(
        std::make_unique<RecordingController>("modal", &journal));
    ASSERT_EQ(content->presentedViewControllers().size(), 1u);
    ViewController* modal = content->presentedViewControllers().front();
    EXPECT_EQ(modal->presentingViewController(), content);

    modal->window()->close();
    EXPECT_TRUE(content->presentedViewControllers().empty());
    EXPECT_EQ(journal, (std::vector<std::string>{"modal load", "modal appear", "modal disappear"}));
}

TEST(ViewControllerTest, DelegateCanRefuseTheCloseBox) {
    struct Refusing : WindowDelegate {
        bool windowShouldClose(Window*) override { return false; }
    } refusing;
    auto window = shownMainWindow(std::make_unique<ViewController>());
    window->setDelegate(&refusing);
    window->close();
    EXPECT_TRUE(window->isVisible());
}

TEST(ViewControllerTest, SwitchingTabsEndsOneChildAndShowsTheOther) {
    std::vector<std::string> journal;
    auto window = shownMainWindow(std::make_unique<RecordingController>("tabs", &journal));
    auto* container = new QWidget(window->contentViewController()->view());
    container->resize(300, 200);
    container->show();
    RecordingController first("first", &journal);
    RecordingController second("second", &journal);
    ViewController* tabs = window->contentViewController();

    tabs->showChildView(&first, container);
    tabs->showChildView(&second, container);
    EXPECT_EQ(second.view()->geometry(), container->rect());
    container->resize(400, 250);
    EXPECT_EQ(second.view()->size(), QSize(400, 250));
    window->hide();
    EXPECT_EQ(journal,
              (std::vector<std::string>{"tabs load", "tabs appear", "first load", "first appear",
                                        "first disappear", "second load", "second appear",
                                        "second disappear", "tabs disappear"}));
    first.removeFromParentViewController();
    second.removeFromParentViewController();
    delete first.view();
    delete second.view();
}
