#pragma once

#include <string_view>

// Lines the application writes to standard output. Support reads them: keep them as they are.
namespace log_lines {

inline constexpr std::string_view meetingClick = "didMeetingClick";
inline constexpr std::string_view musicClick = "didMusicClick";
inline constexpr std::string_view plistMissing = "Error reading plist file.";
// Followed directly by the failure's description.
inline constexpr std::string_view plistErrorPrefix = "Error reading plist file: ";
inline constexpr std::string_view microphoneGranted = "get Microphone Permission";
inline constexpr std::string_view microphoneRefused = "not get Microphone Permission";
inline constexpr std::string_view openAppClicked = "menuItemOpenAppClicked";
// Followed by the name of the screen the launch flow chose.
inline constexpr std::string_view launchScreenPrefix = "launch screen: ";

} // namespace log_lines
