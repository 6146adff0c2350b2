#pragma once

#include "core/ProcessState.h"
#include "ui/ImageAsset.h"
#include "ui/TextView.h"
#include "ui/ViewController.h"

#include <QSize>
#include <memory>

class Button;
class QLabel;
class QWidget;
namespace platform {
class Timer;
}

// What the Mode screen and the pairing guide share as the main window's daily screens: the
// window dressing, the 3-second status check, the three observed notifications, the Settings
// and Information buttons, and the chaining of update windows when a modal window closes.
class MainScreenViewController : public ViewController {
    Q_OBJECT

public:
    ~MainScreenViewController() override;

    // Chains the next update window, or restarts the status check when none is pending.
    void dismissViewController(ViewController* controller) override;

    // The screen's own status check: hands the window over when the speakerphone came or went.
    virtual void checkStatusWithNotitfication() = 0;
    void openSettingWithNotitfication();
    void openInfoWithNotitfication();
    void didSettingButtonClick();
    void didInfoButtonClick();

    [[nodiscard]] Button* infoButton() const { return infoButton_; }
    [[nodiscard]] Button* settingButton() const { return settingButton_; }
    [[nodiscard]] const platform::Timer* checkStatusTimer() const {
        return checkStatusTimer_.get();
    }

    // Geometry shared by both screens, in points from the content view's top left.
    static constexpr int logoTop = 107;
    static constexpr QSize logoSize{143, 40};
    static constexpr int sideInset = 32;
    static constexpr int cornerButtonSide = 56;
    static constexpr int panelWidth = 368;
    static constexpr int panelCornerRadius = 32;
    static constexpr int pictureTop = 24;
    static constexpr QSize pictureSize{320, 120};
    static constexpr int textInset = 24;
    static constexpr int titleTopGap = 16;
    static constexpr int titleHeight = 21;
    static constexpr int descriptionTopGap = 4;
    static constexpr int descriptionHeight = 19;
    static constexpr int panelTopGap = 20;
    static constexpr int pictureToTitle = 8;
    static constexpr int titleToDescription = 4;

protected:
    // `screenState` is what mainScreenState says while this screen is up.
    explicit MainScreenViewController(MainScreen screenState);

    void viewDidAppear() override;
    void viewDidDisappear() override;

    // Runs on appearance before the status check starts (the guide starts its animation).
    virtual void willStartStatusCheck() {}

    // Adds the two round corner buttons; call last so they lie on top.
    void addCornerButtons(QWidget* view);
    void layoutCornerButtons(QSize viewSize);
    // The elements both screens are made of. Texts are centred, clear and read-only.
    static TextView* makeText(QWidget* parent, const QString& text, int pixelSize,
                              TextView::Weight weight, const QColor& color, double lineSpacing);
    // White card with a thin grey border and round corners.
    static QWidget* makePanel(QWidget* parent);
    // A marked panel (the mode in use) has an accent border.
    static void setPanelMarked(QWidget* panel, bool marked);
    // A picture that only decorates: screen readers pass it by.
    static QLabel* makePicture(QWidget* parent, ImageAsset asset, QSize size);
    // The height the text needs at the panels' text width.
    static int measuredHeight(const TextView* text);

    // Asks for this screen to be replaced, at most once: the timer and "checkStatus" may both
    // ask within one turn of the event loop.
    void handOver(ScreenEvent event);

private:
    void startStatusTimer();

    MainScreen screenState_;
    Button* infoButton_ = nullptr;
    Button* settingButton_ = nullptr;
    std::unique_ptr<platform::Timer> checkStatusTimer_;
    bool handingOver_ = false;
};
