#pragma once

namespace platform {

class AudioHardware;
class Bundle;
class LoginItem;
class MicrophoneAccess;
class UserDefaults;
class UserState;

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
};

} // namespace platform
