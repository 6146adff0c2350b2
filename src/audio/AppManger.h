#pragma once

#include "audio/Audio.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

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
    // Output to the speakerphone, input to another microphone: the one recorded from before
    // Meeting mode took over, while it is there, else the first other one the system lists.
    ModeSwitch switchToMusicMode();
    // The microphone Music mode takes from these inputs.
    [[nodiscard]] static std::optional<DeviceTable::value_type>
    musicInput(const DeviceTable& inputs, const std::optional<std::string>& before);
    // Forgets the microphone recorded from before Meeting mode.
    void forgetInputBeforeMeeting() { inputBeforeMeeting_.reset(); }

    [[nodiscard]] const platform::Timer* checkBTStatusTimer() const {
        return checkBTStatusTimer_.get();
    }

private:
    AppManger();
    void rememberInputBeforeMeeting(const DeviceTable& inputs);
    ~AppManger();

    std::unique_ptr<platform::Timer> checkBTStatusTimer_;
    // The name of the input the system recorded from when Meeting mode last took it over.
    std::optional<std::string> inputBeforeMeeting_;
};
