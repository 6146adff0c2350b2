#include "screens/main/ModeViewController.h"

#include "analytics/Analytics.h"
#include "audio/AppManger.h"
#include "audio/Audio.h"
#include "core/SpeakerDevice.h"
#include "platform/AudioHardware.h"
#include "platform/Platform.h"
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
constexpr int badgeHeight = 20;
// From the panel's top right corner, inside its rounding.
constexpr int badgeInset = 14;

} // namespace

ModeViewController::ModeViewController() : MainScreenViewController(MainScreen::mode) {}

void ModeViewController::viewDidLoad() {
    QWidget* root = view();
    logoItemImage_ = makePicture(root, ImageAsset::icon_Lumatix_dialog, logoSize);
    buildTitle();
    modeDescriptionText_ =
        makeText(root, Localization::localizedString(LocalizedKey::ModeViewDescription), 14,
                 TextView::regular, colorNavy(), 5);

    meeting_ =
        buildPanel(root, ImageAsset::img_online_mode, LocalizedKey::ModeViewMeetingTitle,
                   LocalizedKey::ModeViewMeetingDescription, AccessibleKey::MeetingModeButton);
    connect(meeting_.button, &Button::clicked, this, [this] { didMeetingClick(); });
    music_ = buildPanel(root, ImageAsset::img_normal_mode, LocalizedKey::ModeViewMusicTitle,
                        LocalizedKey::ModeViewMusicDescription, AccessibleKey::MusicModeButton);
    connect(music_.button, &Button::clicked, this, [this] { didMusicClick(); });
    showModeInUse(Audio::getModeInUse());
    // The mark follows the system's defaults, whoever changes them (the tray, the command line).
    connect(&platform::Platform::audioHardware(), &platform::AudioHardware::devicesChanged, this,
            [this] { showModeInUse(Audio::getModeInUse()); });

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
    panel.inUseBadge =
        new QLabel(Localization::localizedString(LocalizedKey::ModeViewInUse), panel.view);
    panel.inUseBadge->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: white; font-weight: bold; "
                       "font-size: 12px; border-radius: %2px; padding: 2px %3px; }")
            .arg(colorAccent().name())
            .arg(badgeHeight / 2)
            .arg(badgeHeight / 2));
    panel.inUseBadge->setFixedHeight(badgeHeight);
    panel.inUseBadge->adjustSize();
    // The button's selected state says it to screen readers.
    Accessibility::hideDecoration(panel.inUseBadge);
    panel.inUseBadge->hide();
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
    panel.inUseBadge->move(panelWidth - badgeInset - panel.inUseBadge->width(), badgeInset);
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
    layoutPanel(meeting_, width / 2 - panelCentreGap - panelWidth, panelTop);
    layoutPanel(music_, width / 2 + panelCentreGap, panelTop);
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

void ModeViewController::showModeInUse(ModeInUse mode) {
    shownModeInUse_ = mode;
    markPanel(meeting_, mode == ModeInUse::meeting);
    markPanel(music_, mode == ModeInUse::music);
}

void ModeViewController::markPanel(const Panel& panel, bool inUse) {
    setPanelMarked(panel.view, inUse);
    panel.title->setTextColor(inUse ? colorAccent() : colorTabText());
    panel.inUseBadge->setVisible(inUse);
    Accessibility::setSelected(panel.button, inUse);
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
