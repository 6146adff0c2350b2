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
    // A check found a new version, or ended without one (none on offer, cancelled, no network).
    newVersionFound,
    checkEndedWithoutOffer,
    // The new-version screen: the user wants the download, or skips the version.
    downloadRequested,
    offerSkipped,
    // The up-to-date window's close button, or an update window's close box.
    upToDateClosed,
    updateWindowClosed,
    // A main screen wants Settings or Information over it.
    settingsRequested,
    infoRequested,
    // The Settings window came on screen; its Update tab asks for a check.
    settingsShown,
    updateCheckRequested,
    // A window over a main screen closed while pendingUpdateScreen names the next one.
    pendingUpdateWindow,
    // The user declined the licence, or closed an update that must be installed.
    quitRequested,
};
