#pragma once

#include <chrono>
#include <optional>
#include <string>

// Decides when following calls switches modes: to Meeting when a call starts while the
// speakerphone is connected and Meeting mode is not in use, back to Music once the last call
// has been gone for the grace period, and only when it made the Meeting switch itself and
// nobody chose a mode since (a choice here, or Meeting mode left during the call). It only
// decides; the caller switches, wakes it up, and holds situations back while a switch of its
// own is under way.
class CallFollowing {
public:
    using Clock = std::chrono::steady_clock;
    // Calls close and reopen their streams (a device change, a reconnection).
    static constexpr std::chrono::seconds grace{5};

    struct Situation {
        bool following = false;
        // The program of a call in progress, if there is one.
        std::optional<std::string> call;
        bool speakerphoneConnected = false;
        bool meetingModeInUse = false;
    };
    struct Step {
        enum class Switch { none, toMeeting, toMusic };
        Switch action = Switch::none;
        // For toMeeting: the program that started the call.
        std::string application;
        // When to call update again, if nothing else changes before.
        std::optional<Clock::time_point> wakeAt;

        friend bool operator==(const Step&, const Step&) = default;
    };

    [[nodiscard]] Step update(const Situation& now, Clock::time_point time);
    // A mode chosen by hand, or a Meeting switch of ours that failed: there is then nothing
    // of ours to undo when the call ends.
    void forgetOwnSwitch();

private:
    bool inCall_ = false;
    bool switchedToMeeting_ = false;
    bool meetingSeen_ = false;
    std::optional<Clock::time_point> graceEnds_;
};
