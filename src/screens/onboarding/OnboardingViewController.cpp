#include "screens/onboarding/OnboardingViewController.h"

#include "core/ProcessState.h"
#include "platform/NotificationCenter.h"
#include "ui/Accessibility.h"
#include "ui/Button.h"
#include "ui/ButtonStyle.h"
#include "ui/ImageLibrary.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/TextView.h"
#include "ui/Window.h"
#include "ui/WindowSetup.h"

#include <QLabel>
#include <QWidget>

OnboardingViewController::OnboardingViewController(Dressing dressing) : dressing_(dressing) {}

void OnboardingViewController::viewDidAppear() {
    if (Window* shown = window()) {
        shown->setBackgroundColor(Qt::white);
        shown->setDelegate(this);
        if (dressing_ == Dressing::dressesMainWindow) {
            WindowSetup::setUpMainWindow(*shown);
        }
    }
    setMainScreenState(MainScreen::firstRun);
}

void OnboardingViewController::viewDidDisappear() {
    platform::NotificationCenter::defaultCenter().removeObserver(this);
}

TextView* OnboardingViewController::makeTitle(QWidget* parent, LocalizedKey key) {
    auto* title = new TextView(parent);
    title->setPixelFont(32);
    title->setText(Localization::localizedString(key));
    title->setTextColor(colorNavy());
    title->setAlignment(Qt::AlignHCenter);
    return title;
}

TextView* OnboardingViewController::makeDescription(QWidget* parent, LocalizedKey key) {
    auto* description = new TextView(parent);
    description->setPixelFont(14);
    description->setText(Localization::localizedString(key));
    description->setTextColor(colorNavy());
    description->setAlignment(Qt::AlignHCenter);
    description->setLineSpacing(5);
    return description;
}

QLabel* OnboardingViewController::makePicture(QWidget* parent, ImageAsset asset) {
    QLabel* picture = ImageLibrary::pictureLabel(asset, pictureSize, parent);
    Accessibility::hideDecoration(picture);
    return picture;
}

Button* OnboardingViewController::makeButton(QWidget* parent, LocalizedKey key,
                                             ButtonStyle::Emphasis emphasis) {
    auto* button = new Button(Localization::localizedString(key), parent);
    if (emphasis == ButtonStyle::primary) {
        ButtonStyle::stylePrimaryLarge(button);
    } else {
        ButtonStyle::styleSecondaryLarge(button);
    }
    button->setFixedSize(buttonSize);
    return button;
}

void OnboardingViewController::placeTitle(TextView* title, QSize viewSize) {
    title->setGeometry(sideInset, titleTop, viewSize.width() - 2 * sideInset, titleHeight);
}

void OnboardingViewController::placeExplanation(TextView* title, TextView* description,
                                                QLabel* picture, QSize viewSize) {
    placeTitle(title, viewSize);
    const int descriptionTop = titleTop + titleHeight + descriptionGap;
    description->setGeometry(sideInset, descriptionTop, viewSize.width() - 2 * sideInset,
                             descriptionHeight);
    picture->move((viewSize.width() - pictureSize.width()) / 2,
                  descriptionTop + descriptionHeight + pictureGap);
}

void OnboardingViewController::placeButtonPair(Button* left, Button* right, QSize viewSize) {
    const int centre = viewSize.width() / 2;
    const int top = viewSize.height() - buttonBottom - buttonSize.height();
    left->move(centre - buttonHalfGap - buttonSize.width(), top);
    right->move(centre + buttonHalfGap, top);
}

void OnboardingViewController::placeCentredButton(Button* button, QSize viewSize) {
    button->move((viewSize.width() - buttonSize.width()) / 2,
                 viewSize.height() - buttonBottom - buttonSize.height());
}
