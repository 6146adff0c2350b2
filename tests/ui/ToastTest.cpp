#include "ui/Palette.h"
#include "ui/TextMetrics.h"
#include "ui/ToastViewController.h"
#include "ui/Window.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

Window* newestToastWindow() {
    Window* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Window*>(widget);
        if (window != nullptr && window->isVisible() &&
            qobject_cast<ToastViewController*>(window->contentViewController()) != nullptr) {
            found = window;
        }
    }
    return found;
}

} // namespace

TEST(ToastTest, SizedByTheMessageAndCentredLowOverTheMainWindow) {
    const Point origin{200, 300};
    EXPECT_EQ(ToastViewController::frameFor(100, origin), Rect(730, 412, 140, 43));
    EXPECT_EQ(ToastViewController::frameFor(0, origin).size, Size(40, 43));
}

TEST(ToastTest, ShownToastHasTheMeasuredFrameAndItsLabel) {
    const QString message = QStringLiteral("Meeting mode is on");
    ToastViewController::showToast(message, {200, 300});
    ASSERT_TRUE(QTest::qWaitFor([] { return newestToastWindow() != nullptr; }, 5000));
    Window* window = newestToastWindow();
    auto* toast = qobject_cast<ToastViewController*>(window->contentViewController());
    QFont font;
    font.setPixelSize(14);
    const double width = TextMetrics::measureTextWidth(message, font, 19) + 40;
    EXPECT_EQ(window->frame(), Rect(200 + 600 - width / 2, 412, width, 43));
    EXPECT_EQ(toast->toastText()->text(), message);
    EXPECT_EQ(toast->toastText()->geometry(), QRect(0, 12, static_cast<int>(window->width()), 19));
    EXPECT_EQ(window->styleMask(), 0u);
    EXPECT_TRUE(QTest::qWaitFor([] { return newestToastWindow() == nullptr; }, 5000));
}

TEST(ToastTest, ToastsShownTogetherCloseOnTheirOwnTimers) {
    const int before = ToastViewController::openCount();
    ToastViewController::showToast("One", {0, 0});
    ToastViewController::showToast("", {0, 0});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return ToastViewController::openCount() == before + 2; }, 5000));
    QTest::qWait(500);
    EXPECT_EQ(ToastViewController::openCount(), before + 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ToastViewController::openCount() == before; }, 5000));
}

TEST(TextMetricsTest, LongerTextsAndLineSpacingMeasureTaller) {
    QFont font;
    font.setPixelSize(14);
    const int one = TextMetrics::measureTextHeight("Short", font, 400, 0);
    const int wrapped =
        TextMetrics::measureTextHeight(QString("word ").repeated(200), font, 400, 0);
    const int spaced = TextMetrics::measureTextHeight(QString("word ").repeated(200), font, 400, 5);
    EXPECT_GT(one, 0);
    EXPECT_GT(wrapped, one * 3);
    EXPECT_GT(spaced, wrapped);
    EXPECT_EQ(TextMetrics::measureTextWidth("", font, 19), 0);
    EXPECT_GT(TextMetrics::measureTextWidth("Meeting", font, 19),
              TextMetrics::measureTextWidth("Mee", font, 19));
}
