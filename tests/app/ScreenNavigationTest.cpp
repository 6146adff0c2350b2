#include "app/ScreenNavigation.h"

#include "ui/ViewController.h"
#include "ui/Window.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// A screen that places its window when it appears, as the main screens do.
class PlacingScreen : public ViewController {
public:
    explicit PlacingScreen(Rect frame) : frame_(frame) {}

protected:
    void viewDidAppear() override { window()->setFrame(frame_, false); }

private:
    Rect frame_;
};

} // namespace

TEST(ScreenNavigationTest, NewScreenReplacesTheOldOneOnTheNextTurnAndKeepsTheFrame) {
    Window window;
    window.setContentViewController(std::make_unique<ViewController>());
    window.setFrame({790, 388, 340, 304}, false);
    window.show();
    ViewController* first = window.contentViewController();

    auto second = std::make_unique<ViewController>();
    ViewController* next = second.get();
    ScreenNavigation::showScreen(first, std::move(second));
    EXPECT_EQ(window.contentViewController(), first);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.contentViewController() == next; }, 5000));
    EXPECT_EQ(window.frame(), Rect(790, 388, 340, 304));
}

TEST(ScreenNavigationTest, ScreenThatPlacesItsWindowWins) {
    Window window;
    window.setContentViewController(std::make_unique<ViewController>());
    window.setFrame({790, 388, 340, 304}, false);
    window.show();
    ScreenNavigation::showScreen(window.contentViewController(),
                                 std::make_unique<PlacingScreen>(Rect(200, 300, 1200, 662)));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return dynamic_cast<PlacingScreen*>(window.contentViewController()) != nullptr; },
        5000));
    EXPECT_EQ(window.frame(), Rect(200, 300, 1200, 662));
}

TEST(ScreenNavigationTest, ScreenNoLongerInAWindowIsNotReplaced) {
    auto orphan = std::make_unique<ViewController>();
    bool destroyed = false;
    auto next = std::make_unique<ViewController>();
    QObject::connect(next.get(), &QObject::destroyed, [&] { destroyed = true; });
    ScreenNavigation::showScreen(orphan.get(), std::move(next));
    QTest::qWait(20);
    EXPECT_TRUE(destroyed);
}
