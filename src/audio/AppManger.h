#pragma once

#include <cstdint>
#include <memory>

namespace platform {
class Timer;
}

// Which kind of screen the main window shows: 0 a first-run screen, 1 the pairing guide
// (or the speakerphone was missing at the last tick), 2 the Mode screen (or it was there).
// Main thread only.
inline std::uint8_t mainScreenState = 0;

// Keeps the speakerphone record current and switches between Meeting and Music mode.
class AppManger {
public:
    static AppManger& shared();

    // (Re)starts the 3-second connection monitor; never leaves two running.
    void startCheckBTStatusTimer();
    // One tick of the monitor.
    void checkBTStatus();

    // Output and input both to the speakerphone.
    void switchToMeetingMode();
    // Output to the speakerphone, input to another microphone.
    void switchToMusicMode();

    [[nodiscard]] const platform::Timer* checkBTStatusTimer() const {
        return checkBTStatusTimer_.get();
    }

private:
    AppManger();
    ~AppManger();

    std::unique_ptr<platform::Timer> checkBTStatusTimer_;
};
