#pragma once

// Whether Meeting mode follows calls: the user's own choice, off unless turned on, kept in the
// user's state beside the remembered microphone and shared by the command line and the
// desktop program. Read afresh each time: the other one may have changed it.
class FollowCalls {
public:
    [[nodiscard]] static bool isOn();
    // False (with a line) when it could not be saved.
    static bool setOn(bool on);
};
