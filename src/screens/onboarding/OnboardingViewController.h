#pragma once

#include "ui/ButtonStyle.h"
#include "ui/ImageAsset.h"
#include "ui/LocalizedKey.h"
#include "ui/ViewController.h"

#include <QSize>

class Button;
class QLabel;
class TextView;
class QWidget;

// What the first-run screens share: a white window they take as its delegate, the screen
// state 0 that keeps the tray menu's daily items off, a centred title at the top and a row
// of large buttons at the bottom.
class OnboardingViewController : public ViewController {
    Q_OBJECT

public:
    // In points from the content view's top left.
    static constexpr int titleTop = 76;
    static constexpr int titleHeight = 43;
    static constexpr int sideInset = 32;
    static constexpr QSize buttonSize{294, 56};
    static constexpr int buttonBottom = 32;
    // Half the space between the two buttons of a pair.
    static constexpr int buttonHalfGap = 6;
    // The screens that explain a step with a picture.
    static constexpr int descriptionGap = 12;
    static constexpr int descriptionHeight = 38;
    static constexpr int pictureGap = 49;
    static constexpr QSize pictureSize{470, 252};

protected:
    // Whether the screen gives the main window its title bar and frame, or keeps what the
    // screen before it set.
    enum class Dressing { dressesMainWindow, keepsMainWindow };

    explicit OnboardingViewController(Dressing dressing);

    void viewDidAppear() override;
    void viewDidDisappear() override;

    static TextView* makeTitle(QWidget* parent, LocalizedKey key);
    static TextView* makeDescription(QWidget* parent, LocalizedKey key);
    // A picture that only decorates: screen readers pass it by.
    static QLabel* makePicture(QWidget* parent, ImageAsset asset);
    static Button* makeButton(QWidget* parent, LocalizedKey key, ButtonStyle::Emphasis emphasis);
    static void placeTitle(TextView* title, QSize viewSize);
    // Title, description under it, and the picture under that.
    static void placeExplanation(TextView* title, TextView* description, QLabel* picture,
                                 QSize viewSize);
    // Left button ends 6 points left of the centre, the right one starts 6 points right of it.
    static void placeButtonPair(Button* left, Button* right, QSize viewSize);
    static void placeCentredButton(Button* button, QSize viewSize);

private:
    Dressing dressing_;
};
