#pragma once

#include "platform/Platform.h"

#include <filesystem>
#include <memory>

namespace platform {

// The real services of a Linux desktop, installed for the life of this object.
class LinuxPlatform {
public:
    enum class Scope {
        audioOnly, // the one-shot command line: no settings store, no desktop
        desktop,
    };

    LinuxPlatform(Scope scope, const std::filesystem::path& executable);
    ~LinuxPlatform();
    LinuxPlatform(const LinuxPlatform&) = delete;
    LinuxPlatform& operator=(const LinuxPlatform&) = delete;

    // The running executable, from /proc; falls back to the given name.
    [[nodiscard]] static std::filesystem::path currentExecutable(const char* argv0);

private:
    std::unique_ptr<AudioHardware> audio_;
    std::unique_ptr<UserDefaults> defaults_;
    std::unique_ptr<LoginItem> loginItem_;
    std::unique_ptr<MicrophoneAccess> microphone_;
    std::unique_ptr<Bundle> bundle_;
    std::unique_ptr<UserState> state_;
    std::unique_ptr<DesktopSettings> desktopSettings_;
    std::unique_ptr<FileManager> fileManager_;
    std::unique_ptr<WebBrowser> webBrowser_;
    std::unique_ptr<DesktopNotifications> notifications_;
    std::unique_ptr<class SleepWatcher> sleepWatcher_;
    Platform::Services previous_;
};

} // namespace platform
