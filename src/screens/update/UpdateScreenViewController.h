#pragma once

#include "core/Geometry.h"
#include "ui/ButtonStyle.h"
#include "ui/ImageAsset.h"
#include "ui/LocalizedKey.h"
#include "ui/ViewController.h"

#include <QSize>

class Button;
class QLabel;
class QWidget;
class TextView;

// What the checking, new-version and up-to-date screens share: a small white window with a
// grey title, placed either as the main window's launch step or as a modal window at
// modalWindowOrigin, whose close box leaves the update flow.
class UpdateScreenViewController : public ViewController {
    Q_OBJECT

public:
    // The main window's frame while it shows the update step at launch; a modal update window
    // has the same content size.
    static constexpr Rect launchStepFrame{790, 388, 340, 304};
    static constexpr int pictureSide = 60;
    static constexpr int titleFontSize = 16;
    static constexpr int titleInset = 24;
    static constexpr int titleGap = 16;
    static constexpr int buttonBottom = 24;
    static constexpr int buttonHeight = 32;
    static constexpr int buttonGap = 6;

    ~UpdateScreenViewController() override;

    // The close box ends the update flow and always lets the window close.
    bool windowShouldClose(Window* window) override;

protected:
    // Whether the screen may be the main window's launch step, or always opens over it.
    enum class Placement { launchStepOrModal, alwaysModal };

    // `titleKey` names the window.
    UpdateScreenViewController(LocalizedKey titleKey, Placement placement);

    void viewDidAppear() override;
    void viewDidDisappear() override;

    // A picture that only decorates: screen readers pass it by.
    static QLabel* makePicture(QWidget* parent, ImageAsset asset);
    static TextView* makeTitleText(QWidget* parent, LocalizedKey key);
    static Button* makeButton(QWidget* parent, LocalizedKey key, ButtonStyle::Emphasis emphasis);

    // Reports the step that ends this screen, at most once: a double click must not queue two
    // screens. Nothing of this screen may be touched afterwards in the same turn.
    void showNextScreen(ScreenEvent event);

private:
    LocalizedKey titleKey_;
    Placement placement_;
    // The window could be minimized before this screen showed; it gets that back on leaving.
    bool tookMiniaturizable_ = false;
    bool leaving_ = false;
};
