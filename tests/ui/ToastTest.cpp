#include "ui/TextMetrics.h"
#include "ui/ToastViewController.h"
#include "ui/Window.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

TEST(ToastTest, ToastIsSizedByItsMessageCentredLowOverTheMainWindowAndClosesByItself) {
    EXPECT_EQ(ToastViewController::frameFor(100, {200, 300}), Rect(730, 412, 140, 43));
    EXPECT_EQ(ToastViewController::frameFor(0, {200, 300}).size, Size(40, 43));

    const QString message = QStringLiteral("Meeting mode is on");
    const int before = ToastViewController::openCount();
    ToastViewController::showToast(message, {200, 300});
    ToastViewController::showToast("", {0, 0});
    // Queued, not shown inside the call.
    EXPECT_EQ(ToastViewController::openCount(), before);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return ToastViewController::openCount() == before + 2; }, 5000));
    Window* shown = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Window*>(widget);
        auto* toast =
            window ? qobject_cast<ToastViewController*>(window->contentViewController()) : nullptr;
        if (toast != nullptr && window->isVisible() && toast->toastText()->text() == message) {
            shown = window;
        }
    }
    ASSERT_NE(shown, nullptr);
    QFont font;
    font.setPixelSize(14);
    const double width = TextMetrics::measureTextWidth(message, font, 19);
    EXPECT_EQ(shown->frame(), ToastViewController::frameFor(width, {200, 300}));
    // Both close on their own timers.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ToastViewController::openCount() == before; }, 5000));
}

TEST(TextMetricsTest, WrappingAndLineSpacingMeasureTallerAndLongerTextsWider) {
    QFont font;
    font.setPixelSize(14);
    const QString text = QString("word ").repeated(200);
    const int wrapped = TextMetrics::measureTextHeight(text, font, 400, 0);
    EXPECT_GT(wrapped, 3 * TextMetrics::measureTextHeight("Short", font, 400, 0));
    EXPECT_GT(TextMetrics::measureTextHeight(text, font, 400, 5), wrapped);
    EXPECT_GT(TextMetrics::measureTextWidth("Meeting", font, 19),
              TextMetrics::measureTextWidth("Mee", font, 19));
}
