#include "ui/Window.h"

#include "ui/Button.h"
#include "ui/ButtonStyle.h"
#include "ui/DefaultTitleBar.h"
#include "ui/Palette.h"
#include "ui/TextMetrics.h"
#include "ui/ToastViewController.h"
#include "ui/ViewController.h"
#include "ui/WindowSetup.h"

#include <QLabel>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

TEST(WindowTest, ASecondTitleBarReplacesTheFirstAndAPlainTabLosesTheSelectedLook) {
    Window window;
    window.setTitleBar("First", Qt::white, colorNavy());
    window.setTitleBar("Second", colorTitleGrey(), Qt::white);
    const auto bars = window.findChildren<DefaultTitleBar*>();
    ASSERT_EQ(bars.size(), 1);
    EXPECT_EQ(bars.front()->listName()->text(), "Second");

    // A tab button is restyled on every switch; the plain style must undo the selected one.
    Button tab("Updates");
    ButtonStyle::styleTabButton(&tab, ButtonStyle::selected);
    ButtonStyle::styleTabButton(&tab, ButtonStyle::unselected);
    EXPECT_EQ(tab.appearance().titleColor, colorTabText());
    EXPECT_EQ(tab.appearance().background.alpha(), 0);
}

TEST(ToastTest, ToastIsSizedByItsMessageCentredLowOverTheMainWindowAndClosesByItself) {
    EXPECT_EQ(ToastViewController::frameFor(100, {200, 300}), Rect(730, 412, 140, 43));
    const QString message = QStringLiteral("Meeting mode is on");
    const int before = ToastViewController::openCount();
    ToastViewController::showToast(message, {200, 300});
    ToastViewController::showToast("", {0, 0});
    // Queued, not shown inside the call.
    EXPECT_EQ(ToastViewController::openCount(), before);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return ToastViewController::openCount() == before + 2; }, 5000));
    QFont font;
    font.setPixelSize(14);
    const Rect expected =
        ToastViewController::frameFor(TextMetrics::measureTextWidth(message, font, 19), {200, 300});
    std::vector<Rect> frames;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Window*>(widget);
        auto* toast =
            window ? qobject_cast<ToastViewController*>(window->contentViewController()) : nullptr;
        if (toast && window->isVisible() && toast->toastText()->text() == message) {
            frames.push_back(window->frame());
        }
    }
    EXPECT_EQ(frames, std::vector<Rect>{expected});
    // Both close on their own timers.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ToastViewController::openCount() == before; }, 5000));

    // Texts that wrap, or are spaced wider, measure taller; longer texts measure wider.
    const QString text = QString("word ").repeated(200);
    const int wrapped = TextMetrics::measureTextHeight(text, font, 400, 0);
    EXPECT_GT(wrapped, 3 * TextMetrics::measureTextHeight("Short", font, 400, 0));
    EXPECT_GT(TextMetrics::measureTextHeight(text, font, 400, 5), wrapped);
    EXPECT_GT(TextMetrics::measureTextWidth("Meeting", font, 19),
              TextMetrics::measureTextWidth("Mee", font, 19));
}

// Screens as Qt sees them (top left origin), less their panels; the primary one first.
TEST(WindowFittingTest, WindowsMoveOntoTheScreenTitleBarFirst) {
    const QRect desktop(0, 0, 1920, 1080);
    const QRect laptop(0, 0, 1366, 768);
    const QRect small(0, 0, 1280, 720);
    const QRect topPanel(0, 27, 1366, 741);
    const QRect leftOfDesktop(-1366, 312, 1366, 768);
    // The main window at its usual frame, a Settings window over it, and a window too large.
    const Rect main(200, 300, 1200, 662);
    const Rect settings(460, 431, 680, 428);
    struct Case {
        const char* name;
        std::vector<QRect> areas;
        QRect wanted;
        QPoint placed;
    };
    const auto on = [](const Rect& frame, const QRect& screen) {
        return Geometry::toQt(frame, screen);
    };
    const std::vector<Case> cases{
        {"fits already", {desktop}, on(main, desktop), {200, 118}},
        {"laptop", {laptop}, on(main, laptop), {166, 0}},
        {"laptop settings", {laptop}, on(settings, laptop), {460, 0}},
        {"720p", {small}, on(main, small), {80, 0}},
        {"panel at the top", {topPanel}, on(main, laptop), {166, 27}},
        {"below the bottom", {topPanel}, QRect(100, 600, 680, 428), {100, 340}},
        {"mostly on the left screen",
         {desktop, leftOfDesktop},
         QRect(-1300, 200, 680, 428),
         {-1300, 312}},
        {"straddling, more on the primary",
         {desktop, leftOfDesktop},
         QRect(-200, 900, 680, 428),
         {0, 652}},
        {"on no screen: the nearest",
         {desktop, leftOfDesktop},
         QRect(-2500, 500, 680, 428),
         {-1366, 500}},
        {"larger than the screen", {QRect(0, 0, 1024, 600)}, on(main, desktop), {0, 0}},
        {"no screens", {}, QRect(-50, -50, 10, 10), {-50, -50}},
    };
    for (const Case& each : cases) {
        const QRect placed = Geometry::fitToScreens(each.wanted, each.areas);
        EXPECT_EQ(placed.topLeft(), each.placed) << each.name;
        EXPECT_EQ(placed.size(), each.wanted.size()) << each.name;
    }
}

// A main window reaching above the screen moves down; its modal windows stay centred over it.
TEST(WindowFittingTest, AFittedMainWindowKeepsItsModalWindowsCentred) {
    Window main;
    main.setStyleMask(Window::titled | Window::closable);
    main.setFrame({200, 600, 1200, 662});
    main.show();
    const QRect screen = Window::availableScreenAreas().front();
    EXPECT_EQ(main.geometry().top(), screen.top());
    EXPECT_EQ(Geometry::toQt(main.frame(), Window::referenceScreenGeometry()), main.geometry());

    main.setContentViewController(std::make_unique<ViewController>());
    auto presented = std::make_unique<ViewController>();
    ViewController* settings = presented.get();
    WindowSetup::presentSecondaryWindow(main.contentViewController(), std::move(presented));
    WindowSetup::showSecondaryWindow(*settings, LocalizedKey::SettingViewTitle);
    const QRect over = settings->window()->geometry();
    // Where it sits over a main window at its usual frame.
    EXPECT_EQ(over.topLeft() - main.geometry().topLeft(), QPoint(260, 103));
    // Secondary windows belong to the main window, so compositors place them over it.
    ASSERT_NE(settings->window()->windowHandle(), nullptr);
    EXPECT_EQ(settings->window()->windowHandle()->transientParent(), main.windowHandle());
    settings->dismiss();
}
