#pragma once

namespace platform {

// The system's own settings pages the application sends the user to.
class DesktopSettings {
public:
    virtual ~DesktopSettings() = default;

    // The Bluetooth page; false (and a line) when none could be opened.
    virtual bool openBluetoothSettings() = 0;
    // The page that decides about the microphone; false (and a line) when none could be opened.
    virtual bool openMicrophoneSettings() = 0;
};

} // namespace platform
