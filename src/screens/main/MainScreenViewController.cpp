#include "screens/main/MainScreenViewController.h"

#include "core/LogLines.h"
#include "core/NotificationNames.h"
#include "core/ProcessState.h"
#include "core/StatusCheckInterval.h"
#include "platform/Log.h"
#include "platform/MainQueue.h"
#include "platform/NotificationCenter.h"
#include "platform/Timer.h"
#include "ui/Accessibility.h"
#include "ui/Button.h"
#include "ui/ButtonStyle.h"
#include "ui/ImageLibrary.h"
#include "ui/Palette.h"
#include "ui/TextMetrics.h"
#include "ui/TextView.h"
#include "ui/Window.h"
#include "ui/WindowSetup.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QWidget>

namespace {

constexpr int cornerButtonGap = 8;
// Centres a 340 x 304 update window on the 1200 x 662 main window.
constexpr Point updateWindowOffset{430, 179};

Button* makeCornerButton(QWidget* parent, ImageAsset asset, AccessibleKey name,
                         AccessibleKey description) {
    auto* button = new Button(parent);
    Accessibility::setName(button, name, description);
    ButtonStyle::styleCardButton(button);
    button->setIcon(ImageLibrary::icon(asset));
    button->setIconSize(ImageLibrary::naturalSize(asset));
    button->setFixedSize(MainScreenViewController::cornerButtonSide,
                         MainScreenViewController::cornerButtonSide);
    return button;
}

} // namespace

MainScreenViewController::MainScreenViewController(MainScreen screenState)
    : screenState_(screenState) {}

MainScreenViewController::~MainScreenViewController() {
    platform::NotificationCenter::defaultCenter().removeObserver(this);
}

void MainScreenViewController::viewDidAppear() {
    Window* shown = window();
    if (shown != nullptr) {
        shown->setBackgroundColor(Qt::white);
        shown->setDelegate(this);
    }
    willStartStatusCheck();
    startStatusTimer();
    if (shown != nullptr) {
        WindowSetup::setUpMainWindow(*shown);
    }
    setMainScreenState(screenState_);
    auto& center = platform::NotificationCenter::defaultCenter();
    // A second appearance must not double the observers.
    center.removeObserver(this);
    center.addObserver(this, notification_names::openSetting,
                       [this] { openSettingWithNotitfication(); });
    center.addObserver(this, notification_names::openInfo, [this] { openInfoWithNotitfication(); });
    center.addObserver(this, notification_names::checkStatus,
                       [this] { checkStatusWithNotitfication(); });
}

void MainScreenViewController::viewDidDisappear() {
    platform::NotificationCenter::defaultCenter().removeObserver(this);
    platform::Log::line(log_lines::viewDidDisappear);
    if (checkStatusTimer_) {
        checkStatusTimer_->invalidate();
        checkStatusTimer_.reset();
    }
}

void MainScreenViewController::startStatusTimer() {
    checkStatusTimer_.reset();
    checkStatusTimer_ = platform::Timer::scheduled(statusCheckInterval, platform::Timer::repeating,
                                                   [this] { checkStatusWithNotitfication(); });
}

void MainScreenViewController::addCornerButtons(QWidget* view) {
    // Made in the order they stand, left to right, which Tab follows.
    settingButton_ = makeCornerButton(view, ImageAsset::icon_setting, AccessibleKey::SettingsButton,
                                      AccessibleKey::SettingsButtonDescription);
    connect(settingButton_, &Button::clicked, this, [this] { didSettingButtonClick(); });
    infoButton_ = makeCornerButton(view, ImageAsset::icon_more_info, AccessibleKey::InfoButton,
                                   AccessibleKey::InfoButtonDescription);
    connect(infoButton_, &Button::clicked, this, [this] { didInfoButtonClick(); });
}

void MainScreenViewController::layoutCornerButtons(QSize viewSize) {
    const int top = viewSize.height() - sideInset - cornerButtonSide;
    const int infoLeft = viewSize.width() - sideInset - cornerButtonSide;
    infoButton_->move(infoLeft, top);
    settingButton_->move(infoLeft - cornerButtonGap - cornerButtonSide, top);
}

TextView* MainScreenViewController::makeText(QWidget* parent, const QString& text, int pixelSize,
                                             TextView::Weight weight, const QColor& color,
                                             double lineSpacing) {
    auto* view = new TextView(parent);
    view->setPixelFont(pixelSize, weight);
    view->setText(text);
    view->setTextColor(color);
    view->setAlignment(Qt::AlignHCenter);
    if (lineSpacing > 0) {
        view->setLineSpacing(lineSpacing);
    }
    return view;
}

QWidget* MainScreenViewController::makePanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("panel"));
    setPanelMarked(panel, false);
    panel->setFixedWidth(panelWidth);
    return panel;
}

void MainScreenViewController::setPanelMarked(QWidget* panel, bool marked) {
    panel->setStyleSheet(QStringLiteral("QFrame#panel { background: white; border: %1px solid %2; "
                                        "border-radius: %3px; }")
                             .arg(marked ? 2 : 1)
                             .arg((marked ? colorAccent() : colorStandardGrey()).name())
                             .arg(panelCornerRadius));
    panel->setProperty("marked", marked);
}

QLabel* MainScreenViewController::makePicture(QWidget* parent, ImageAsset asset, QSize size) {
    QLabel* picture = ImageLibrary::pictureLabel(asset, size, parent);
    Accessibility::hideDecoration(picture);
    return picture;
}

int MainScreenViewController::measuredHeight(const TextView* text) {
    return TextMetrics::measureTextHeight(text->toPlainText(), text->document()->defaultFont(),
                                          pictureSize.width(), text->lineSpacing());
}

void MainScreenViewController::handOver(ScreenEvent event) {
    if (handingOver_) {
        return;
    }
    handingOver_ = true;
    report(event);
}

void MainScreenViewController::didSettingButtonClick() {
    platform::Log::line(log_lines::settingButtonClick);
    report(ScreenEvent::settingsRequested);
}

void MainScreenViewController::didInfoButtonClick() {
    platform::Log::line(log_lines::infoButtonClick);
    report(ScreenEvent::infoRequested);
}

void MainScreenViewController::openSettingWithNotitfication() {
    platform::MainQueue::async([self = QPointer(this)] {
        if (!self.isNull()) {
            self->report(ScreenEvent::settingsRequested);
        }
    });
}

// The visit counts once, from the tab Information opens on.
void MainScreenViewController::openInfoWithNotitfication() {
    platform::MainQueue::async([self = QPointer(this)] {
        if (!self.isNull()) {
            self->report(ScreenEvent::infoRequested);
        }
    });
}

void MainScreenViewController::dismissViewController(ViewController* controller) {
    ViewController::dismissViewController(controller);
    platform::Log::line(log_lines::dismissViewController);
    if (const Window* shown = window()) {
        const Point origin = shown->frame().origin;
        modalWindowOrigin = {origin.x + updateWindowOffset.x, origin.y + updateWindowOffset.y};
    }
    if (pendingUpdateScreen != UpdateScreen::none) {
        // The navigator presents the window, or leaves the update flow when there is none.
        report(ScreenEvent::pendingUpdateWindow);
        if (pendingUpdateScreen != UpdateScreen::none) {
            return;
        }
    }
    // A screen that is no longer shown starts its check when it appears again.
    if (isAppeared()) {
        startStatusTimer();
    }
}
