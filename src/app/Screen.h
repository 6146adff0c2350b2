#pragma once

// Every screen and window the navigator can build.
enum class Screen {
    eula,
    loginItem,
    updateCheck,
    microphonePermission,
    newVersion,
    download,
    upToDate,
    consent,
    mode,
    bluetoothGuide,
    settings,
    info,
};
