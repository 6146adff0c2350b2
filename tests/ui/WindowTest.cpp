#include "ui/Window.h"

#include "ui/Button.h"
#include "ui/ButtonStyle.h"
#include "ui/DefaultTitleBar.h"
#include "ui/Palette.h"
#include "ui/TextMetrics.h"
#include "ui/ToastViewController.h"

#include <QLabel>
#include <QTest>
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
    ButtonStyle::styleTabButton(&tab, true);
    ButtonStyle::styleTabButton(&tab, false);
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
