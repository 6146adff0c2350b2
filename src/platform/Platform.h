#pragma once

namespace platform {

class AudioHardware;
class Bundle;
class DesktopNotifications;
class DesktopSettings;
class FileManager;
class LoginItem;
class MicrophoneAccess;
class UserDefaults;
class UserState;
class WebBrowser;

// The platform services the application reaches. main() installs the real ones, tests their
// own; reaching one that nobody installed stops the process with a line naming it.
class Platform {
public:
    struct Services {
        UserDefaults* userDefaults = nullptr;
        AudioHardware* audioHardware = nullptr;
        LoginItem* loginItem = nullptr;
        MicrophoneAccess* microphoneAccess = nullptr;
        Bundle* bundle = nullptr;
        UserState* userState = nullptr;
        DesktopSettings* desktopSettings = nullptr;
        FileManager* fileManager = nullptr;
        WebBrowser* webBrowser = nullptr;
        DesktopNotifications* desktopNotifications = nullptr;
    };

    // Installs the given services (null members keep the current ones); returns the old set.
    static Services install(const Services& services);
    // Puts back a set returned by install().
    static void restore(const Services& services);

    static UserDefaults& userDefaults();
    static AudioHardware& audioHardware();
    static LoginItem& loginItem();
    static MicrophoneAccess& microphoneAccess();
    static Bundle& bundle();
    static UserState& userState();
    static DesktopSettings& desktopSettings();
    static FileManager& fileManager();
    static WebBrowser& webBrowser();
    static DesktopNotifications& desktopNotifications();
};

} // namespace platform
