#include "screens/main/ModeViewController.h"

#include "analytics/Analytics.h"
#include "audio/AppManger.h"
#include "core/SpeakerDevice.h"
#include "ui/Accessibility.h"
#include "ui/Button.h"
#include "ui/ButtonStyle.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/TextView.h"
#include "ui/ToastViewController.h"
#include "ui/Window.h"

#include <QLabel>
#include <QTextCursor>
#include <QWidget>

namespace {

constexpr int panelCentreGap = 8;

} // namespace

ModeViewController::ModeViewController() : MainScreenViewController(MainScreen::mode) {}

void ModeViewController::viewDidLoad() {
    QWidget* root = view();
    logoItemImage_ = makePicture(root, ImageAsset::icon_Lumatix_dialog, logoSize);
    buildTitle();
    modeDescriptionText_ =
        makeText(root, Localization::localizedString(LocalizedKey::ModeViewDescription), 14,
                 TextView::regular, colorNavy(), 5);

    const Panel meeting =
        buildPanel(root, ImageAsset::img_online_mode, LocalizedKey::ModeViewMeetingTitle,
                   LocalizedKey::ModeViewMeetingDescription, AccessibleKey::MeetingModeButton);
    meetingView_ = meeting.view;
    meetingImage_ = meeting.image;
    meetingTitleText_ = meeting.title;
    meetingDescriptionText_ = meeting.description;
    meetingButton_ = meeting.button;
    connect(meetingButton_, &Button::clicked, this, [this] { didMeetingClick(); });

    const Panel music =
        buildPanel(root, ImageAsset::img_normal_mode, LocalizedKey::ModeViewMusicTitle,
                   LocalizedKey::ModeViewMusicDescription, AccessibleKey::MusicModeButton);
    musicView_ = music.view;
    musicImage_ = music.image;
    musicTitleText_ = music.title;
    musicDescriptionText_ = music.description;
    musicButton_ = music.button;
    connect(musicButton_, &Button::clicked, this, [this] { didMusicClick(); });

    addCornerButtons(root);
    startLayout();
}

void ModeViewController::buildTitle() {
    const QString name = QString::fromStdString(speakerDevice().name.value_or(std::string()));
    modeTitleText_ =
        makeText(view(), Localization::localizedFormat(LocalizedKey::ModeViewTitle, name), 16,
                 TextView::bold, colorNavy(), 0);
    const qsizetype at = name.isEmpty() ? -1 : modeTitleText_->toPlainText().indexOf(name);
    if (at < 0) {
        return;
    }
    QTextCursor cursor(modeTitleText_->document());
    cursor.setPosition(static_cast<int>(at));
    cursor.setPosition(static_cast<int>(at + name.size()), QTextCursor::KeepAnchor);
    QTextCharFormat highlight;
    highlight.setForeground(colorAccent());
    cursor.mergeCharFormat(highlight);
}

ModeViewController::Panel ModeViewController::buildPanel(QWidget* parent, ImageAsset picture,
                                                         LocalizedKey titleKey,
                                                         LocalizedKey descriptionKey,
                                                         AccessibleKey buttonName) {
    Panel panel;
    panel.view = makePanel(parent);
    panel.image = makePicture(panel.view, picture, pictureSize);
    panel.title = makeText(panel.view, Localization::localizedString(titleKey), 16, TextView::bold,
                           colorTabText(), 0);
    panel.description = makeText(panel.view, Localization::localizedString(descriptionKey), 14,
                                 TextView::regular, colorTabText(), 5);
    panel.button = new Button(panel.view);
    ButtonStyle::styleInvisible(panel.button);
    // The panel is the control: its focus mark follows the panel's corners, and its name says
    // what the panel shows.
    ButtonAppearance appearance = panel.button->appearance();
    appearance.cornerRadius = panelCornerRadius;
    panel.button->setAppearance(appearance);
    Accessibility::setName(panel.button, buttonName, AccessibleKey::ModeButtonDescription);
    return panel;
}

int ModeViewController::layoutPanel(const Panel& panel, int left, int top) {
    const int titleTop = pictureTop + pictureSize.height() + pictureToTitle;
    const int titleTextHeight = measuredHeight(panel.title);
    const int descriptionTop = titleTop + titleTextHeight + titleToDescription;
    const int descriptionTextHeight = measuredHeight(panel.description);
    // 24 above the picture, 8 + 4 between the texts, 24 below: 180 besides the texts.
    const int height = titleTextHeight + 180 + descriptionTextHeight;
    const int textWidth = panelWidth - 2 * textInset;
    panel.view->setGeometry(left, top, panelWidth, height);
    panel.image->move((panelWidth - pictureSize.width()) / 2, pictureTop);
    panel.title->setGeometry(textInset, titleTop, textWidth, titleTextHeight);
    panel.description->setGeometry(textInset, descriptionTop, textWidth, descriptionTextHeight);
    panel.button->setGeometry(0, 0, panelWidth, height);
    return height;
}

void ModeViewController::layoutElements(QSize viewSize) {
    const int width = viewSize.width();
    const int textWidth = width - 2 * sideInset;
    logoItemImage_->move((width - logoSize.width()) / 2, logoTop);
    const int titleTop = logoTop + logoSize.height() + titleTopGap;
    modeTitleText_->setGeometry(sideInset, titleTop, textWidth, titleHeight);
    const int descriptionTop = titleTop + titleHeight + descriptionTopGap;
    modeDescriptionText_->setGeometry(sideInset, descriptionTop, textWidth, descriptionHeight);
    const int panelTop = descriptionTop + descriptionHeight + panelTopGap;
    layoutPanel(
        {meetingView_, meetingImage_, meetingTitleText_, meetingDescriptionText_, meetingButton_},
        width / 2 - panelCentreGap - panelWidth, panelTop);
    layoutPanel({musicView_, musicImage_, musicTitleText_, musicDescriptionText_, musicButton_},
                width / 2 + panelCentreGap, panelTop);
    layoutCornerButtons(viewSize);
}

void ModeViewController::didMeetingClick() {
    Analytics::sendModeEvent("meeting");
    showModeToast(LocalizedKey::ToastMeetingTitle);
    AppManger::shared().switchToMeetingMode();
}

void ModeViewController::didMusicClick() {
    Analytics::sendModeEvent("music");
    showModeToast(LocalizedKey::ToastMusicTitle);
    AppManger::shared().switchToMusicMode();
}

void ModeViewController::showModeToast(LocalizedKey message) {
    if (Window* shown = window()) {
        ToastViewController::showToast(Localization::localizedString(message),
                                       shown->frame().origin, shown);
    }
}

void ModeViewController::checkStatusWithNotitfication() {
    if (!speakerDevice().isPresent()) {
        handOver(ScreenEvent::speakerphoneLost);
    }
}
