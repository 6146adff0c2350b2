#pragma once

#include "audio/Audio.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QObject;

namespace platform {
class Timer;
}

// Keeps the speakerphone record current and switches between Meeting and Music mode.
class AppManger {
public:
    static AppManger& shared();

    // (Re)starts the 3-second connection monitor; never leaves two running. While it runs,
    // device changes the system reports refresh the record at once as well.
    void startCheckBTStatusTimer();
    // Stops the monitor; nothing ticks once the application winds down.
    void stopCheckBTStatusTimer();
    // One tick of the monitor.
    void checkBTStatus();

    // What a mode switch did. Refused: the system did not take a default or profile it was
    // given; noAnswer: it did not answer in time; profileTimedOut: the speakerphone's headset
    // or music profile was taken, but its devices did not appear in time.
    enum class ModeSwitch { switched, noSpeakerphone, refused, noAnswer, profileTimedOut };
    // Runs once the system answered, on the main thread; possibly before the call returns.
    using ModeSwitchDone = std::function<void(ModeSwitch)>;

    // Output and input both to the speakerphone, switching a Bluetooth speakerphone to its
    // headset profile first when only that profile has its microphone. A later switch
    // abandons one still waiting for a profile; the abandoned one's done never runs.
    void switchToMeetingMode(ModeSwitchDone done = {});
    // Output to the speakerphone (back in its music profile, if it has one), input to another
    // microphone: the one in use before Meeting mode last took over, remembered in the user's
    // state across processes, while it is there; else as MicrophoneChoice prefers.
    void switchToMusicMode(ModeSwitchDone done = {});

    [[nodiscard]] const platform::Timer* checkBTStatusTimer() const {
        return checkBTStatusTimer_.get();
    }

private:
    AppManger();
    ~AppManger();

    void devicesChanged();
    void noticeDeviceChange();
    static void rememberInputBeforeMeeting();
    [[nodiscard]] static std::optional<platform::AudioDeviceID> musicMicrophone();
    void meetingAfterProfileSwitch(platform::AudioCardID card, const std::string& profile,
                                   const std::string& speakerName, ModeSwitchDone done);
    void musicAfterProfileSwitch(platform::AudioCardID card, const std::string& profile,
                                 const std::string& speakerName, ModeSwitchDone done);
    // Once the card runs the profile and ready() holds, or after the time limit, then(ready).
    void waitForProfile(platform::AudioCardID card, const std::string& profile,
                        std::function<bool()> ready, std::function<void(bool)> then);

    std::unique_ptr<platform::Timer> checkBTStatusTimer_;
    std::unique_ptr<platform::Timer> profileWait_;
    bool changeNoticePending_ = false;
    // Receives the system's device changes; replacing it ends the previous connection.
    std::unique_ptr<QObject> deviceListener_;
};
