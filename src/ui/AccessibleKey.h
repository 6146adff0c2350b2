#pragma once

#include <array>
#include <string_view>

// Keys of the texts only screen readers speak: names and descriptions of controls whose
// picture or state says more than their title. Looked up like LocalizedKey, from the same
// tables.
enum class AccessibleKey {
    CloseButton,
    MinimizeButton,
    SettingsButton,
    SettingsButtonDescription,
    InfoButton,
    InfoButtonDescription,
    MeetingModeButton,
    MusicModeButton,
    ModeButtonDescription,
    LicenseText,
    UsageDataText,
    ReadToEndDescription,
    StartAtLoginOn,
    StartAtLoginOff,
    FollowCallsOn,
    FollowCallsOff,
    ShareUsageDataOn,
    ShareUsageDataOff,
    ShareUsageDataDescription,
    UserGuideLink,
    UserGuideLinkDescription,
    StoreQRCode,
    DownloadProgress,
};

// Every case, in declaration order.
inline constexpr std::array<AccessibleKey, 23> allAccessibleKeys{
    AccessibleKey::CloseButton,
    AccessibleKey::MinimizeButton,
    AccessibleKey::SettingsButton,
    AccessibleKey::SettingsButtonDescription,
    AccessibleKey::InfoButton,
    AccessibleKey::InfoButtonDescription,
    AccessibleKey::MeetingModeButton,
    AccessibleKey::MusicModeButton,
    AccessibleKey::ModeButtonDescription,
    AccessibleKey::LicenseText,
    AccessibleKey::UsageDataText,
    AccessibleKey::ReadToEndDescription,
    AccessibleKey::StartAtLoginOn,
    AccessibleKey::StartAtLoginOff,
    AccessibleKey::FollowCallsOn,
    AccessibleKey::FollowCallsOff,
    AccessibleKey::ShareUsageDataOn,
    AccessibleKey::ShareUsageDataOff,
    AccessibleKey::ShareUsageDataDescription,
    AccessibleKey::UserGuideLink,
    AccessibleKey::UserGuideLinkDescription,
    AccessibleKey::StoreQRCode,
    AccessibleKey::DownloadProgress,
};

// The message id of the case in the string tables: the case name after "Accessible", so it
// never meets a LocalizedKey.
[[nodiscard]] std::string_view rawValue(AccessibleKey value);
