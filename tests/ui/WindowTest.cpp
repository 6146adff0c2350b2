#include "ui/Window.h"

#include "core/ProcessState.h"
#include "screens/info/InfoViewController.h"
#include "screens/settings/SettingViewController.h"
#include "ui/DefaultTitleBar.h"
#include "ui/Palette.h"
#include "ui/ViewController.h"
#include "ui/WindowSetup.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

using Journal = std::vector<std::string>;

// Records its appearance calls in one shared journal.
struct RecordingController : ViewController {
    RecordingController(std::string name, Journal* journal)
        : name(std::move(name)), journal(journal) {}
    void viewDidLoad() override { journal->push_back(name + " load"); }
    void viewDidAppear() override { journal->push_back(name + " appear"); }
    void viewDidDisappear() override { journal->push_back(name + " disappear"); }
    std::string name;
    Journal* journal;
};

std::unique_ptr<Window> shownMainWindow(std::unique_ptr<ViewController> content) {
    auto window = std::make_unique<Window>();
    window->setContentViewController(std::move(content));
    window->show();
    return window;
}

} // namespace

TEST(WindowTest, ASecondTitleBarReplacesTheFirst) {
    Window window;
    window.setTitleBar("First", Qt::white, colorNavy());
    window.setTitleBar("Second", colorTitleGrey(), Qt::white);
    const auto bars = window.findChildren<DefaultTitleBar*>();
    ASSERT_EQ(bars.size(), 1);
    EXPECT_EQ(bars.front()->listName()->text(), "Second");
}

TEST(WindowTest, BottomLeftFramesBecomeTopLeftGeometryOnTheirScreen) {
    const Rect frame(200, 300, 1200, 662);
    const QRect placed = Geometry::toQt(frame, QRect(0, 0, 1920, 1080));
    EXPECT_EQ(placed, QRect(200, 1080 - 300 - 662, 1200, 662));
    EXPECT_EQ(Geometry::fromQt(placed, QRect(0, 0, 1920, 1080)), frame);
    // A second screen to the right keeps its own origin.
    EXPECT_EQ(Geometry::toQt(frame, QRect(1920, 0, 1280, 1024)).topLeft(),
              QPoint(2120, 1024 - 300 - 662));
}

TEST(ViewControllerTest, ModalWindowsAreTrackedUntilClosedAndSettingsEndsAPendingUpdateFlow) {
    Journal journal;
    auto window = shownMainWindow(std::make_unique<ViewController>());
    auto* content = window->contentViewController();
    content->presentViewControllerAsModalWindow(
        std::make_unique<RecordingController>("modal", &journal));
    ASSERT_EQ(content->presentedViewControllers().size(), 1u);
    ViewController* modal = content->presentedViewControllers().front();
    EXPECT_EQ(modal->presentingViewController(), content);
    modal->window()->close();
    EXPECT_TRUE(content->presentedViewControllers().empty());
    EXPECT_EQ(journal, (Journal{"modal load", "modal appear", "modal disappear"}));

    pendingUpdateScreen = UpdateScreen::newVersion;
    WindowSetup::presentSecondaryWindow(content, std::make_unique<InfoViewController>());
    EXPECT_EQ(pendingUpdateScreen, UpdateScreen::newVersion);
    WindowSetup::presentSecondaryWindow(content, std::make_unique<SettingViewController>());
    EXPECT_EQ(pendingUpdateScreen, UpdateScreen::none);
}

TEST(ViewControllerTest, TheOldScreenOrTabDisappearsBeforeTheNewOneAppears) {
    Journal journal;
    auto window = shownMainWindow(std::make_unique<RecordingController>("first", &journal));
    window->setContentViewController(std::make_unique<RecordingController>("second", &journal));
    window->hide();
    window->show();
    EXPECT_EQ(journal, (Journal{"first load", "first appear", "first disappear", "second load",
                                "second appear", "second disappear", "second appear"}));

    // Tabs: children take the container's bounds and follow its size.
    journal.clear();
    auto* container = new QWidget(window->contentViewController()->view());
    container->resize(300, 200);
    container->show();
    RecordingController one("one", &journal);
    RecordingController two("two", &journal);
    window->contentViewController()->showChildView(&one, container);
    window->contentViewController()->showChildView(&two, container);
    container->resize(400, 250);
    EXPECT_EQ(two.view()->geometry(), QRect(0, 0, 400, 250));
    window->hide();
    EXPECT_EQ(journal, (Journal{"one load", "one appear", "one disappear", "two load", "two appear",
                                "two disappear", "second disappear"}));
    one.removeFromParentViewController();
    two.removeFromParentViewController();
    delete one.view();
    delete two.view();
}
