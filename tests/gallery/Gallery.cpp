// Renders every window and screen built so far, in each language, to PNG files for review:
//   lumatix_gallery [output folder]
#include "audio/AppManger.h"
#include "audio/Audio.h"
#include "menu/MenuActions.h"
#include "menu/MenuHandler.h"
#include "platform/Bundle.h"
#include "platform/LottieAnimation.h"
#include "platform/MemoryAudioHardware.h"
#include "platform/MemoryUserDefaults.h"
#include "platform/Platform.h"
#include "platform/Reachability.h"
#include "screens/info/InfoViewController.h"
#include "screens/onboarding/BluetoothViewController.h"
#include "screens/onboarding/ModeViewController.h"
#include "screens/settings/SettingViewController.h"
#include "ui/Button.h"
#include "ui/ButtonStyle.h"
#include "ui/ImageLibrary.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/ToastViewController.h"
#include "ui/ViewController.h"
#include "ui/Window.h"
#include "ui/WindowSetup.h"
#include "update/CheckOTAViewController.h"
#include "update/NetworkManger.h"
#include "update/NoNeedOTAViewController.h"
#include "update/OTAViewController.h"
#include "update/UpdateFlowState.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <iostream>

namespace {

struct NoActions : MenuActions {
    void menuItemOpenBTClicked() override {}
    void menuItemMeetingModeClicked() override {}
    void menuItemMusicModeClicked() override {}
    void menuItemOpenAppClicked() override {}
    void menuItemSettingClicked() override {}
    void menuItemInfoClicked() override {}
    void quitClicked() override {}
};

class Gallery {
public:
    Gallery(QDir folder, platform::MemoryAudioHardware* audio)
        : audio_(audio), folder_(std::move(folder)) {}

    void renderLanguage(const QString& language) {
        language_ = language;
        Localization::install(language);
        renderMainWindowAndSecondaryWindows();
        renderMenus();
        renderButtons();
        renderToast();
        renderMainScreens();
        renderUpdateWindows();
    }

    [[nodiscard]] int written() const { return written_; }

private:
    void save(QWidget& widget, const QString& name) {
        QCoreApplication::processEvents();
        const QString path = folder_.filePath(name + QLatin1Char('_') + language_ + ".png");
        if (widget.grab().save(path)) {
            ++written_;
            std::cout << path.toStdString() << '\n';
        } else {
            std::cerr << "could not write " << path.toStdString() << '\n';
        }
    }

    void renderMainWindowAndSecondaryWindows() {
        Window main;
        main.setReleasedWhenClosed(false);
        main.setContentViewController(std::make_unique<ViewController>());
        main.setBackgroundColor(Qt::white);
        WindowSetup::setUpMainWindow(main);
        main.show();
        save(main, "main_window");

        WindowSetup::presentSecondaryWindow(main.contentViewController(),
                                            std::make_unique<SettingViewController>());
        saveFirstPresented(main, "settings_window");
        WindowSetup::presentSecondaryWindow(main.contentViewController(),
                                            std::make_unique<InfoViewController>());
        saveFirstPresented(main, "info_window");
    }

    void saveFirstPresented(Window& main, const QString& name) {
        ViewController* content = main.contentViewController();
        ViewController* presented = content->presentedViewControllers().front();
        save(*presented->window(), name);
        content->dismissViewController(presented);
    }

    void renderMenus() {
        NoActions actions;
        for (const std::uint8_t state : {0, 1, 2}) {
            MenuHandler menu("MenuHandler", &actions);
            mainScreenState = state;
            menu.rebuildMenuState();
            menu.adjustSize();
            save(menu, QStringLiteral("menu_state%1").arg(state));
        }
        mainScreenState = 0;
    }

    void renderButtons() {
        QWidget sheet;
        sheet.setAutoFillBackground(true);
        sheet.setStyleSheet("background: white;");
        auto* grid = new QGridLayout(&sheet);
        const auto add = [&](int row, int column, void (*style)(Button*), LocalizedKey key,
                             QSize size) {
            auto* button = new Button(Localization::localizedString(key));
            style(button);
            button->setFixedSize(size);
            grid->addWidget(button, row, column);
        };
        add(0, 0, ButtonStyle::stylePrimaryLarge, LocalizedKey::LoginItemOpenSettingButtonTitle,
            {294, 56});
        add(0, 1, ButtonStyle::styleSecondaryLarge, LocalizedKey::LoginItemSkipButtonTitle,
            {294, 56});
        add(1, 0, ButtonStyle::styleDisabledLarge, LocalizedKey::EULAAgreeButtonTitle, {294, 56});
        add(1, 1, ButtonStyle::stylePrimarySmall, LocalizedKey::OTAViewDownloadButtonTitle,
            {140, 32});
        add(2, 0, ButtonStyle::styleSecondarySmall, LocalizedKey::OTAViewSkipButtonTitle,
            {140, 32});
        for (const bool selected : {true, false}) {
            auto* tab =
                new Button(Localization::localizedString(LocalizedKey::SettingUpdateButtonTitle));
            ButtonStyle::styleTabButton(tab, selected);
            tab->setFixedSize(160, 40);
            grid->addWidget(tab, 3, selected ? 0 : 1);
        }
        auto* card = new Button();
        ButtonStyle::styleCardButton(card);
        card->setIcon(ImageLibrary::icon(ImageAsset::icon_setting));
        card->setIconSize({24, 24});
        card->setFixedSize(56, 56);
        grid->addWidget(card, 2, 1);
        sheet.adjustSize();
        sheet.show();
        save(sheet, "buttons");
    }

    void renderToast() {
        const int before = ToastViewController::openCount();
        ToastViewController::showToast(
            Localization::localizedString(LocalizedKey::ToastMeetingTitle), {200, 300});
        if (!QTest::qWaitFor([&] { return ToastViewController::openCount() > before; }, 2000)) {
            return;
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<Window*>(widget);
            if (window != nullptr && window->isVisible() &&
                qobject_cast<ToastViewController*>(window->contentViewController()) != nullptr) {
                save(*window, "toast");
                window->close();
            }
        }
    }

    // The Mode screen with a short and a long speakerphone name, and the pairing guide with a
    // sheet of its animation's frames.
    void renderMainScreens() {
        for (const auto& [name, file] :
             {std::pair{"Lumatix U", "mode_screen"},
              std::pair{"Lumatix U Conference Speakerphone Pro 2 (Office)",
                        "mode_screen_long_name"}}) {
            audio_->setOutputs({{7, name}});
            Audio::refreshSpeakerDevice();
            renderMainScreen(std::make_unique<ModeViewController>(), file);
        }
        audio_->setOutputs({});
        Audio::refreshSpeakerDevice();
        renderMainScreen(std::make_unique<BluetoothViewController>(), "bluetooth_guide");
        audio_->setOutputs({{7, "Lumatix U"}});
        Audio::refreshSpeakerDevice();
        mainScreenState = 0;
        if (language_ == QLatin1String(Localization::english)) {
            renderAnimationFrames();
        }
    }

    void renderMainScreen(std::unique_ptr<ViewController> screen, const QString& name) {
        Window main;
        main.setReleasedWhenClosed(false);
        main.setContentViewController(std::move(screen));
        main.show();
        save(main, name);
        main.setContentViewController(nullptr);
    }

    void renderAnimationFrames() {
        auto animation =
            platform::LottieAnimation::loadFromFile(platform::LottieAnimation::pathForNamed(
                BluetoothViewController::animationName, BluetoothViewController::animationFolder));
        if (!animation) {
            return;
        }
        constexpr int columns = 4;
        constexpr int step = 5;
        const QSize cell = animation->size() * 2;
        const int frames = animation->totalFrames();
        const int rows = (frames + step * columns - 1) / (step * columns);
        QLabel sheet;
        QPixmap pixmap(cell.width() * columns, cell.height() * rows);
        pixmap.fill(Qt::white);
        QPainter painter(&pixmap);
        for (int frame = 0, index = 0; frame < frames; frame += step, ++index) {
            const QPoint at((index % columns) * cell.width(), (index / columns) * cell.height());
            painter.drawImage(at, animation->renderFrame(frame, cell));
            painter.setPen(colorSeparator());
            painter.drawRect(QRect(at, cell).adjusted(0, 0, -1, -1));
            painter.setPen(colorTabText());
            painter.drawText(at + QPoint(6, 16), QString::number(frame));
        }
        painter.end();
        sheet.setPixmap(pixmap);
        sheet.adjustSize();
        save(sheet, "pairing_animation_frames");
    }

    // The checking, new-version (normal and forced) and up-to-date windows over the main
    // window, and the checking screen as the launch step. The check itself is never started.
    void renderUpdateWindows() {
        platform::Reachability::setFixed(platform::Reachability::Fixed::reachable);
        CheckOTAViewController::setRegionLookup([] {});
        Window main;
        main.setReleasedWhenClosed(false);
        main.setContentViewController(std::make_unique<ViewController>());
        main.setBackgroundColor(Qt::white);
        WindowSetup::setUpMainWindow(main);
        main.show();
        const auto render = [&](std::uint8_t screen, std::unique_ptr<ViewController> window,
                                const QString& name) {
            pendingUpdateScreen = screen;
            modalWindowOrigin = {630, 479};
            window->setPreferredContentSize({340, 304});
            main.contentViewController()->presentViewControllerAsModalWindow(std::move(window));
            saveFirstPresented(main, name);
        };
        render(1, std::make_unique<CheckOTAViewController>(), "update_checking");
        isForcedUpdate = false;
        render(2, std::make_unique<OTAViewController>(), "update_new_version");
        isForcedUpdate = true;
        render(2, std::make_unique<OTAViewController>(), "update_new_version_forced");
        isForcedUpdate = false;
        render(4, std::make_unique<NoNeedOTAViewController>(), "update_up_to_date");
        pendingUpdateScreen = 0;

        Window launch;
        launch.setReleasedWhenClosed(false);
        launch.setContentViewController(std::make_unique<CheckOTAViewController>());
        launch.show();
        save(launch, "update_checking_launch_step");
        launch.setContentViewController(nullptr);
        CheckOTAViewController::setRegionLookup({});
        platform::Reachability::setFixed(std::nullopt);
    }

    platform::MemoryAudioHardware* audio_ = nullptr;
    QDir folder_;
    QString language_;
    int written_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery");
    if (!QDir().mkpath(output)) {
        std::cerr << "cannot create " << output.toStdString() << '\n';
        return 1;
    }

    platform::MemoryUserDefaults defaults;
    platform::MemoryAudioHardware audio;
    audio.setOutputs({{7, "Lumatix U"}});
    platform::Bundle bundle({.identifier = "com.lumatix.connectionassistant",
                             .version = "1.0.3",
                             .resourcesPath = platform::Bundle::resourcesPathFor(
                                 QCoreApplication::applicationFilePath().toStdString())});
    platform::Platform::install(
        {.userDefaults = &defaults, .audioHardware = &audio, .bundle = &bundle});

    Gallery gallery{QDir(output), &audio};
    for (const char* language : {Localization::english, Localization::simplifiedChinese,
                                 Localization::traditionalChinese, Localization::japanese}) {
        gallery.renderLanguage(QString::fromLatin1(language));
    }
    std::cout << gallery.written() << " pictures in " << output.toStdString() << '\n';
    return gallery.written() > 0 ? 0 : 1;
}
