// Renders every window and screen built so far, in each language, to PNG files for review:
//   lumatix_gallery [output folder]
#include "app/MenuHandler.h"
#include "app/ScreenNavigator.h"
#include "audio/AppManger.h"
#include "audio/Audio.h"
#include "core/ProcessState.h"
#include "net/HttpClient.h"
#include "platform/Bundle.h"
#include "platform/LottieAnimation.h"
#include "platform/Platform.h"
#include "screens/onboarding/BluetoothViewController.h"
#include "support/FixedServices.h"
#include "support/MemoryAudioHardware.h"
#include "support/MemoryUserDefaults.h"
#include "ui/Button.h"
#include "ui/ButtonStyle.h"
#include "ui/ImageLibrary.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/ToastViewController.h"
#include "ui/Window.h"
#include "ui/WindowSetup.h"
#include "update/NetworkManger.h"

#include <QTest>
#include <QtWidgets>
#include <functional>
#include <iostream>

namespace {

QDir folder;
QString language;

void save(const QPixmap& picture, const QString& name) {
    const QString path = folder.filePath(name + QLatin1Char('_') + language + ".png");
    std::cout << (picture.save(path) ? "" : "could not write ") << path.toStdString() << '\n';
}

void save(QWidget& widget, const QString& name) {
    QCoreApplication::processEvents();
    save(widget.grab(), name);
}

// Taken of the set-up main window, of a window the screens present over it, or of a screen.
enum class Shown { mainWindow, secondary, update, screen };
struct Picture {
    const char* name;
    std::optional<Screen> screen;
    Shown shown;
    UpdateScreen pendingUpdateScreen = UpdateScreen::none;
    bool forced = false;
    std::vector<platform::AudioDeviceInfo> outputs{{7, "Lumatix U"}};
};

void renderWindows(platform::MemoryAudioHardware& audio, ScreenNavigator& navigator) {
    const std::vector<platform::AudioDeviceInfo> longName{
        {7, "Lumatix U Conference Speakerphone Pro 2 (Office)"}};
    const Picture pictures[] = {
        {"main_window", std::nullopt, Shown::mainWindow},
        {"settings_window", Screen::settings, Shown::secondary},
        {"info_window", Screen::info, Shown::secondary},
        {"update_checking", Screen::updateCheck, Shown::update, UpdateScreen::checking},
        {"update_new_version", Screen::newVersion, Shown::update, UpdateScreen::newVersion},
        {"update_new_version_forced", Screen::newVersion, Shown::update, UpdateScreen::newVersion,
         true},
        {"update_up_to_date", Screen::upToDate, Shown::update, UpdateScreen::upToDate},
        {"update_checking_launch_step", Screen::updateCheck, Shown::screen},
        {"mode_screen", Screen::mode, Shown::screen},
        {"mode_screen_long_name", Screen::mode, Shown::screen, UpdateScreen::none, false, longName},
        {"bluetooth_guide", Screen::bluetoothGuide, Shown::screen, UpdateScreen::none, false, {}},
    };
    for (const Picture& picture : pictures) {
        audio.setOutputs(picture.outputs);
        Audio::refreshSpeakerDevice();
        pendingUpdateScreen = picture.pendingUpdateScreen;
        isForcedUpdate = picture.forced;
        Window main;
        const bool screen = picture.shown == Shown::screen;
        main.setContentViewController(screen ? navigator.make(*picture.screen)
                                             : std::make_unique<ViewController>());
        if (!screen) {
            main.setBackgroundColor(Qt::white);
            WindowSetup::setUpMainWindow(main);
        }
        main.show();
        if (picture.shown == Shown::secondary) {
            WindowSetup::presentSecondaryWindow(main.contentViewController(),
                                                navigator.make(*picture.screen));
        } else if (picture.shown == Shown::update) {
            modalWindowOrigin = {630, 479};
            auto window = navigator.make(*picture.screen);
            window->setPreferredContentSize({340, 304});
            main.contentViewController()->presentViewControllerAsModalWindow(std::move(window));
        }
        const auto presented = main.contentViewController()->presentedViewControllers();
        save(presented.empty() ? main : *presented.front()->window(), picture.name);
        main.setContentViewController(nullptr);
    }
}

void renderMenusButtonsAndToast() {
    for (const std::uint8_t state : {0, 1, 2}) {
        MenuHandler menu("MenuHandler", nullptr);
        mainScreenState = state;
        menu.rebuildMenuState();
        menu.adjustSize();
        save(menu, QStringLiteral("menu_state%1").arg(state));
    }

    QWidget sheet;
    sheet.setAutoFillBackground(true);
    sheet.setStyleSheet("background: white;");
    auto* grid = new QGridLayout(&sheet);
    const auto tab = [](bool selected) {
        return [selected](Button* button) { ButtonStyle::styleTabButton(button, selected); };
    };
    using K = LocalizedKey;
    const std::tuple<std::function<void(Button*)>, std::optional<LocalizedKey>, QSize> buttons[] = {
        {ButtonStyle::stylePrimaryLarge, K::LoginItemOpenSettingButtonTitle, {294, 56}},
        {ButtonStyle::styleSecondaryLarge, K::LoginItemSkipButtonTitle, {294, 56}},
        {ButtonStyle::styleDisabledLarge, K::EULAAgreeButtonTitle, {294, 56}},
        {ButtonStyle::stylePrimarySmall, K::OTAViewDownloadButtonTitle, {140, 32}},
        {ButtonStyle::styleSecondarySmall, K::OTAViewSkipButtonTitle, {140, 32}},
        {ButtonStyle::styleCardButton, std::nullopt, {56, 56}},
        {tab(true), K::SettingUpdateButtonTitle, {160, 40}},
        {tab(false), K::SettingUpdateButtonTitle, {160, 40}},
    };
    for (int i = 0; i < 8; ++i) {
        const auto& [style, key, size] = buttons[i];
        auto* button = new Button(key ? Localization::localizedString(*key) : QString());
        style(button);
        if (!key) {
            button->setIcon(ImageLibrary::icon(ImageAsset::icon_setting));
            button->setIconSize({24, 24});
        }
        button->setFixedSize(size);
        grid->addWidget(button, i / 2, i % 2);
    }
    sheet.adjustSize();
    sheet.show();
    save(sheet, "buttons");

    const int before = ToastViewController::openCount();
    ToastViewController::showToast(Localization::localizedString(K::ToastMeetingTitle), {200, 300});
    (void)QTest::qWaitFor([&] { return ToastViewController::openCount() > before; }, 2000);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Window*>(widget);
        if (window != nullptr && window->isVisible() &&
            qobject_cast<ToastViewController*>(window->contentViewController()) != nullptr) {
            save(*window, "toast");
            window->close();
        }
    }
}

// Every fifth frame of the pairing animation, numbered, four to a row.
void renderAnimationFrames() {
    auto animation =
        platform::LottieAnimation::loadFromFile(platform::LottieAnimation::pathForNamed(
            BluetoothViewController::animationName, BluetoothViewController::animationFolder));
    if (!animation) {
        return;
    }
    const QSize cell = animation->size() * 2;
    const int count = (animation->totalFrames() + 4) / 5;
    QPixmap pixmap(cell.width() * 4, cell.height() * ((count + 3) / 4));
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    for (int index = 0; index < count; ++index) {
        const QPoint at((index % 4) * cell.width(), (index / 4) * cell.height());
        painter.drawImage(at, animation->renderFrame(index * 5, cell));
        painter.setPen(colorTabText());
        painter.drawText(at + QPoint(6, 16), QString::number(index * 5));
    }
    painter.end();
    save(pixmap, "pairing_animation_frames");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    folder = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery"));
    QDir().mkpath(folder.path());
    platform::MemoryUserDefaults defaults;
    platform::MemoryAudioHardware hardware;
    platform::Bundle bundle({.identifier = "com.lumatix.connectionassistant",
                             .version = "1.0.3",
                             .resourcesPath = platform::Bundle::resourcesPathFor(
                                 QCoreApplication::applicationFilePath().toStdString())});
    platform::Platform::install(
        {.userDefaults = &defaults, .audioHardware = &hardware, .bundle = &bundle});
    // The update windows never finish their check.
    NetworkManger updates(net::HttpClient::shared(), "http://127.0.0.1:9");
    ScreenNavigator navigator({
        .updateClient = &updates,
        .requestRegion = [] {},
        .makeReachability =
            [] {
                return std::make_unique<FixedReachability>(FixedReachability::Answer::reachable);
            },
        .quit = [] {},
    });

    for (const char* each : {Localization::english, Localization::simplifiedChinese,
                             Localization::traditionalChinese, Localization::japanese}) {
        language = QString::fromLatin1(each);
        Localization::install(language);
        renderWindows(hardware, navigator);
        renderMenusButtonsAndToast();
    }
    language = QLatin1String(Localization::english);
    renderAnimationFrames();
}
