#include "screens/main/ModeViewController.h"
#include "screens/settings/SettingPreferenceViewController.h"
#include "screens/settings/SettingPrivacyViewController.h"
#include "screens/settings/SettingViewController.h"
#include "support/AppFixture.h"
#include "ui/FocusRing.h"
#include "ui/TabbedViewController.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <functional>
#include <map>
#include <set>

namespace {

// What a screen reader finds in a window, walking its accessible tree as AT-SPI does.
struct Reading {
    // The visible controls in tree order: what each is, and its name.
    std::vector<std::pair<std::string, QString>> controls;
    // Pictures in the tree without a name: decoration the reader would stop at.
    std::vector<std::string> unnamedPictures;
};

std::string describe(const QAccessibleInterface* node) {
    const QObject* object = node->object();
    return (object != nullptr ? std::string(object->metaObject()->className()) : "?") + " role " +
           std::to_string(node->role());
}

// A text or area that scrolls is read like a control: its reader needs to know what it holds.
bool scrolls(const QAccessibleInterface* node) {
    const auto* area = qobject_cast<const QAbstractScrollArea*>(node->object());
    return area != nullptr &&
           (area->verticalScrollBar()->isVisible() || area->horizontalScrollBar()->isVisible());
}

bool isControl(const QAccessibleInterface* node) {
    static const std::set<QAccessible::Role> controlRoles{
        QAccessible::PushButton, QAccessible::CheckBox,       QAccessible::RadioButton,
        QAccessible::Link,       QAccessible::PageTab,        QAccessible::ButtonMenu,
        QAccessible::ComboBox,   QAccessible::ButtonDropDown, QAccessible::SpinBox,
        QAccessible::Slider,     QAccessible::Dial,           QAccessible::ProgressBar};
    return controlRoles.contains(node->role()) || node->state().focusable || scrolls(node);
}

void read(QAccessibleInterface* node, Reading& reading) {
    if (node == nullptr || node->state().invisible) {
        return;
    }
    const QString name = node->text(QAccessible::Name).trimmed();
    if (isControl(node)) {
        reading.controls.emplace_back(describe(node), name);
    }
    if (node->role() == QAccessible::Graphic && name.isEmpty()) {
        reading.unnamedPictures.push_back(describe(node));
    }
    for (int index = 0; index < node->childCount(); ++index) {
        read(node->child(index), reading);
    }
}

// Pictures drawn in the window that have no name: each one is decoration.
int decorations(const QWidget& window) {
    int count = 0;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        count += label->isVisibleTo(&window) && !label->pixmap().isNull() &&
                 label->accessibleName().isEmpty();
    }
    return count;
}

class ScreenReaderTest : public AppFixture {
protected:
    ScreenReaderTest() {
        // Agreements long enough to scroll, in every language.
        useHomeResources({"LumatixUphoneappEULA_EN.html", "LumatixUphoneappEULA_CN.html",
                          "LumatixUphoneappEULA_TW.html", "LumatixUphoneappEULA_JP.html"});
    }

    // Every screen and window, each tab of the tabbed ones, as the main window shows it.
    void readEveryView(const std::function<void(const std::string&)>& visit) {
        using enum Screen;
        for (const Screen screen :
             {eula, loginItem, updateCheck, microphonePermission, newVersion, download, upToDate,
              consent, mode, bluetoothGuide, settings, info}) {
            const std::string name = "screen " + std::to_string(static_cast<int>(screen));
            connectSpeakerphone(screen != bluetoothGuide);
            ViewController* shown = show(screen);
            ASSERT_NE(shown, nullptr) << name;
            auto* tabbed = qobject_cast<TabbedViewController*>(shown);
            if (tabbed == nullptr) {
                ASSERT_EQ(main.contentViewController(), shown) << name;
                visit(name);
                continue;
            }
            for (int tag = 0; Button* tab = tabbed->tabButton(tag); ++tag) {
                tab->click();
                QCoreApplication::processEvents();
                visit(name + " tab " + std::to_string(tag));
            }
        }
    }

    Reading readMainWindow() {
        Reading reading;
        read(QAccessible::queryAccessibleInterface(&main), reading);
        return reading;
    }
};

// An untranslated name was missed by the translation; decoration stays out of the tree.
TEST_F(ScreenReaderTest, EveryVisibleControlHasANameInEveryLanguageAndDecorationNone) {
    std::map<std::string, Reading> english;
    int decorated = 0;
    for (const char* language : {"en", "zh_CN", "zh_TW", "ja"}) {
        ASSERT_TRUE(Localization::install(QString::fromLatin1(language)));
        readEveryView([&](const std::string& view) {
            const Reading reading = readMainWindow();
            const std::string where = std::string(language) + " " + view;
            EXPECT_FALSE(reading.controls.empty()) << where;
            for (const auto& [what, name] : reading.controls) {
                EXPECT_FALSE(name.isEmpty()) << where << ": " << what;
            }
            if (language == std::string("en")) {
                EXPECT_EQ(reading.unnamedPictures, std::vector<std::string>{}) << view;
                decorated += decorations(main);
                english[view] = reading;
                return;
            }
            const auto& inEnglish = english[view].controls;
            ASSERT_EQ(reading.controls.size(), inEnglish.size()) << where;
            for (std::size_t index = 0; index < inEnglish.size(); ++index) {
                EXPECT_NE(reading.controls[index].second, inEnglish[index].second)
                    << where << ": " << reading.controls[index].first;
            }
        });
    }
    EXPECT_GT(decorated, 10);
}

// The switches of the Settings window say their state, and follow it when pressed.
TEST_F(ScreenReaderTest, SwitchesSayTheirStateAndFollowIt) {
    defaults.setInteger("CheckPrivacyStatus", 2);
    auto* settings = show<SettingViewController>(Screen::settings);
    settings->privacyButton()->click();
    const std::pair<const char*, Button*> switches[] = {
        {"start at login", settings->preferenceVC()->loginSettingButton()},
        {"usage data", settings->privacyVC()->checkButton()},
        {"meeting mode during calls", settings->preferenceVC()->followCallsButton()},
    };
    for (const auto& [what, button] : switches) {
        const auto name = [button] {
            return QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
        };
        const QString off = name();
        button->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return name() != off; }, 2000)) << what;
        const QString on = name();
        button->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return name() == off; }, 2000)) << what;
        EXPECT_FALSE(off.isEmpty() || on.isEmpty() || on.contains(off) || off.contains(on)) << what;
    }
}

// The panel of the mode in use reads as selected; a screen reader's press still switches.
TEST_F(ScreenReaderTest, TheModeInUseReadsAsSelected) {
    connectSpeakerphone(true);
    auto* mode = show<ModeViewController>(Screen::mode);
    const auto selected = [](Button* panel) {
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(panel);
        return std::pair<bool, bool>(read->state().selectable, read->state().selected);
    };
    for (const auto& [inUse, meeting, music] :
         {std::tuple(ModeInUse::meeting, true, false), std::tuple(ModeInUse::music, false, true),
          std::tuple(ModeInUse::none, false, false)}) {
        mode->showModeInUse(inUse);
        EXPECT_EQ(selected(mode->meetingButton()), std::pair(true, meeting));
        EXPECT_EQ(selected(mode->musicButton()), std::pair(true, music));
    }
    const auto requests = hardware.outputRequests.size();
    QAccessible::queryAccessibleInterface(mode->musicButton())
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return hardware.outputRequests.size() > requests; }, 2000));
    // The click's toast comes, and goes before the next test.
    EXPECT_TRUE(QTest::qWaitFor([] { return ToastViewController::openCount() == 1; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([] { return ToastViewController::openCount() == 0; }, 5000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Screen readers on Linux speak a notification as it starts showing, by its name.
TEST_F(ScreenReaderTest, ToastReadsAsANotificationOfItsMessage) {
    main.show();
    const QString message = QStringLiteral("Meeting mode is on");
    ToastViewController::showToast(message, main.frame().origin, &main);
    ASSERT_TRUE(QTest::qWaitFor([] { return ToastViewController::openCount() == 1; }, 2000));
    std::vector<QString> notifications;
    for (Window* shown : shownToasts()) {
        std::function<void(QAccessibleInterface*)> collect = [&](QAccessibleInterface* node) {
            if (node->role() == QAccessible::Notification) {
                notifications.push_back(node->text(QAccessible::Name));
            }
            for (int index = 0; index < node->childCount(); ++index) {
                collect(node->child(index));
            }
        };
        collect(QAccessible::queryAccessibleInterface(shown));
    }
    EXPECT_EQ(notifications, std::vector<QString>{message});
}

using KeyboardReachTest = ScreenReaderTest;

// What a mouse can use: buttons, and texts or lists that show a scroll bar.
bool mouseCanUse(const QWidget* widget, const QWidget& window) {
    if (!widget->isVisibleTo(&window) || !widget->isEnabled()) {
        return false;
    }
    if (qobject_cast<const QAbstractButton*>(widget) != nullptr) {
        return true;
    }
    const auto* area = qobject_cast<const QAbstractScrollArea*>(widget);
    return area != nullptr && area->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff &&
           area->verticalScrollBar()->maximum() > 0;
}

// Tab reaches every control a mouse can use; buttons draw their own focus mark, the rest a ring.
TEST_F(KeyboardReachTest, TabReachesEveryControlAMouseCanUseAndMarksIt) {
    readEveryView([&](const std::string& view) {
        const QList<QWidget*> chain = main.tabChain();
        int controls = 0;
        for (QWidget* widget : main.findChildren<QWidget*>()) {
            if (!mouseCanUse(widget, main)) {
                continue;
            }
            ++controls;
            const std::string what = view + ": " + widget->metaObject()->className() + " " +
                                     widget->accessibleName().toStdString();
            EXPECT_TRUE(chain.contains(widget)) << what;
            if (qobject_cast<QAbstractButton*>(widget) != nullptr) {
                continue;
            }
            const FocusRing* ring = FocusRing::of(widget);
            ASSERT_NE(ring, nullptr) << what;
            for (const Qt::FocusReason reason : {Qt::TabFocusReason, Qt::MouseFocusReason}) {
                widget->clearFocus();
                widget->setFocus(reason);
                // Focus events reach only an active window.
                const bool shown = reason == Qt::TabFocusReason && main.isActiveWindow();
                EXPECT_EQ(ring->isVisible(), shown) << what << " " << reason;
            }
        }
        EXPECT_GT(controls, 0) << view;
    });
}

} // namespace
