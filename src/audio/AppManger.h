#pragma once

#include <cstdint>
#include <memory>

namespace platform {
class Timer;
}

// Keeps the speakerphone record current and switches between Meeting and Music mode.
class AppManger {
public:
    static AppManger& shared();

    // (Re)starts the 3-second connection monitor; never leaves two running.
    void startCheckBTStatusTimer();
    // Stops the monitor; nothing ticks once the application winds down.
    void stopCheckBTStatusTimer();
    // One tick of the monitor.
    void checkBTStatus();

    // What a mode switch did. Refused: the system did not take a default it was given.
    enum class ModeSwitch { switched, noSpeakerphone, refused };

    // Output and input both to the speakerphone.
    ModeSwitch switchToMeetingMode();
    // Output to the speakerphone, input to another microphone.
    ModeSwitch switchToMusicMode();

    [[nodiscard]] const platform::Timer* checkBTStatusTimer() const {
        return checkBTStatusTimer_.get();
    }

private:
    AppManger();
    ~AppManger();

    std::unique_ptr<platform::Timer> checkBTStatusTimer_;
};
