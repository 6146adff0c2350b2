#pragma once

#include "app/Screen.h"
#include "core/PersistedSettings.h"
#include "core/ProcessState.h"
#include "ui/ScreenEvent.h"

#include <QObject>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class NetworkManger;
class ViewController;
namespace net {
class HttpClient;
}
namespace platform {
class Reachability;
}

// Builds every screen and window, hears what they report, and decides what comes next. The
// decisions are plain functions; the rest carries them out.
class ScreenNavigator : public QObject {
    Q_OBJECT

public:
    // What the screens need from the rest of the application.
    struct Services {
        NetworkManger* updateClient = nullptr;
        std::function<void()> requestRegion;
        std::function<std::unique_ptr<platform::Reachability>()> makeReachability;
        std::function<void()> quit;
        // The update download, and how long it may go without data.
        net::HttpClient* downloadClient = nullptr;
        std::chrono::milliseconds downloadWatchdog{30000};

        // The application's own: the shared update client, the geolocation lookup, the
        // desktop's network monitor, quitting the application.
        static Services live();
    };

    explicit ScreenNavigator(Services services);
    ~ScreenNavigator() override;

    // The consent screen while consent is unanswered, else the Mode screen when the
    // speakerphone is there and the pairing guide when it is not.
    [[nodiscard]] static Screen screenAfterUpdateStep(Consent consent, bool speakerphonePresent);
    // The screen that takes over the reporting screen's place, if the event asks for one.
    [[nodiscard]] static std::optional<Screen> replacementFor(ScreenEvent event);
    // Whether the event changes the main window's screen.
    [[nodiscard]] static bool decidesMainScreen(ScreenEvent event);
    // The update window a presenter shows next; none for UpdateScreen::none.
    [[nodiscard]] static std::optional<Screen> updateWindowFor(UpdateScreen pending);

    // A screen whose reports come here; null (with a line) for one this build does not have.
    [[nodiscard]] std::unique_ptr<ViewController> make(Screen screen);
    // Replaces the screen of the window showing `current` by `next`, keeping the window's
    // frame. Queued on the main queue; nothing happens if `current` is no longer in a window
    // by then.
    static void showScreen(ViewController* current, std::unique_ptr<ViewController> next);

private:
    [[nodiscard]] static bool showsInMainWindow(const ViewController* screen);
    void handle(ViewController* from, ScreenEvent event);
    void replace(ViewController* from, Screen screen);
    // The launch step's update windows are done: consent, else the main screens.
    void leaveUpdateFlow(ViewController* from);
    void presentPendingUpdateWindow(ViewController* presenter);

    Services services_;
};
