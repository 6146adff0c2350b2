#pragma once

#include "audio/Audio.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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
    // Stops the monitor and abandons a switch under way; nothing ticks once the application
    // winds down.
    void stopCheckBTStatusTimer();
    // One tick of the monitor.
    void checkBTStatus();

    // What a mode switch did. Refused: the system did not take a default or profile it was
    // given; deviceGone: a device to choose went away before it was asked for; noAnswer: it did
    // not answer in time; profileTimedOut: the speakerphone's headset or music profile was
    // taken, but its devices did not appear in time.
    enum class ModeSwitch {
        switched,
        noSpeakerphone,
        refused,
        deviceGone,
        noAnswer,
        profileTimedOut
    };
    // Runs once the system answered, on the main thread; possibly before the call returns.
    using ModeSwitchDone = std::function<void(ModeSwitch)>;

    // Output and input both to the speakerphone, switching a Bluetooth speakerphone to its
    // headset profile first when only that profile has its microphone. Every switch abandons
    // the one before: that one's done never runs, and nothing it still waits for changes
    // anything. A profile request still in flight is overtaken by this switch's own.
    void switchToMeetingMode(ModeSwitchDone done = {});
    // Output to the speakerphone (back in its music profile, if it has one), input to another
    // microphone: the one in use before Meeting mode last took over, remembered in the user's
    // state across processes, while it is there; else as MicrophoneChoice prefers.
    void switchToMusicMode(ModeSwitchDone done = {});

    // The devices, by name, that the latest switch asked to become the defaults; no input
    // when it left the input as it was. Empty until that switch got as far.
    struct Defaults {
        std::string output;
        std::optional<std::string> input;
    };
    [[nodiscard]] const std::optional<Defaults>& requestedDefaults() const {
        return requestedDefaults_;
    }
    // The number of the latest switch; each switch takes the next one as it starts.
    [[nodiscard]] std::uint64_t latestSwitch() const { return switchNumber_; }

    [[nodiscard]] const platform::Timer* checkBTStatusTimer() const {
        return checkBTStatusTimer_.get();
    }

private:
    enum class Mode { meeting, music };
    using Device = DeviceTable::value_type;
    struct Choice {
        Device output;
        std::optional<Device> input;
    };
    // A profile request of the current switch, from the request until its devices came or the
    // time ran out.
    struct ProfileSwitch {
        platform::AudioCardID card = 0;
        std::string profile;
        std::string speakerName;
        // Listed before the switch (or before one it overtook): on their way out, so never
        // chosen, though they may still be listed after the new ones came.
        std::vector<platform::AudioDeviceID> oldOutputs;
        std::vector<platform::AudioDeviceID> oldInputs;
    };

    AppManger();
    ~AppManger();

    void devicesChanged();
    void noticeDeviceChange();
    [[nodiscard]] std::uint64_t beginSwitch();
    [[nodiscard]] bool isCurrent(std::uint64_t number) const { return number == switchNumber_; }
    void finish(std::uint64_t number, const ModeSwitchDone& done, ModeSwitch outcome);
    void applyDefaults(std::uint64_t number, const Choice& choice, ModeSwitchDone done,
                       ModeSwitch success = ModeSwitch::switched);
    static void rememberInputBeforeMeeting();
    [[nodiscard]] static std::optional<Device> musicMicrophone();
    // While a profile switch is under way the speakerphone's devices may be missing: its card
    // decides, and this switch asks for the profile its mode needs there (taking done).
    bool overtakeProfileSwitch(std::uint64_t number, Mode mode, ModeSwitchDone& done);
    void switchProfile(std::uint64_t number, const platform::AudioCardInfo& card,
                       const std::string& profile, std::string speakerName, Mode mode,
                       ModeSwitchDone done);
    // Once the card runs the profile and the mode's devices came, or after the time limit.
    void waitForProfile(std::uint64_t number, Mode mode, ModeSwitchDone done);
    [[nodiscard]] std::optional<Choice> arrivedDevices(Mode mode) const;
    void endProfileSwitch();

    std::unique_ptr<platform::Timer> checkBTStatusTimer_;
    std::unique_ptr<platform::Timer> profileWait_;
    std::optional<ProfileSwitch> profileSwitch_;
    std::uint64_t switchNumber_ = 0;
    std::optional<Defaults> requestedDefaults_;
    bool changeNoticePending_ = false;
    // Receives the system's device changes; replacing it ends the previous connection.
    std::unique_ptr<QObject> deviceListener_;
};
