#pragma once

// What a screen reports when something happened that may call for another screen. Screens
// never build each other: the application's navigator hears these and decides.
enum class ScreenEvent {
    // The licence was accepted and the desktop answered the microphone question.
    microphoneGranted,
    microphoneRefused,
    // Launch at login is on, or the user skipped it.
    loginItemStepOver,
    // The user agreed to or declined the usage statistics.
    consentAnswered,
    // The pairing guide sees the speakerphone; the Mode screen no longer does.
    speakerphoneFound,
    speakerphoneLost,
    // The launch step's check found a new version.
    newVersionFound,
    // The launch step's new-version screen: the user wants the download.
    downloadRequested,
    // The launch step's update windows are done.
    updateStepOver,
    // A main screen wants Settings or Information over it.
    settingsRequested,
    infoRequested,
    // A window over a main screen closed while pendingUpdateScreen names the next one.
    pendingUpdateWindow,
    // The user declined the licence, or closed an update that must be installed.
    quitRequested,
};
