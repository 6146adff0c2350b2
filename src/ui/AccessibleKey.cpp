#include "ui/AccessibleKey.h"

#include <cstddef>

namespace {

constexpr std::array<std::string_view, 23> rawValues{
    "AccessibleCloseButton",
    "AccessibleMinimizeButton",
    "AccessibleSettingsButton",
    "AccessibleSettingsButtonDescription",
    "AccessibleInfoButton",
    "AccessibleInfoButtonDescription",
    "AccessibleMeetingModeButton",
    "AccessibleMusicModeButton",
    "AccessibleModeButtonDescription",
    "AccessibleLicenseText",
    "AccessibleUsageDataText",
    "AccessibleReadToEndDescription",
    "AccessibleStartAtLoginOn",
    "AccessibleStartAtLoginOff",
    "AccessibleFollowCallsOn",
    "AccessibleFollowCallsOff",
    "AccessibleShareUsageDataOn",
    "AccessibleShareUsageDataOff",
    "AccessibleShareUsageDataDescription",
    "AccessibleUserGuideLink",
    "AccessibleUserGuideLinkDescription",
    "AccessibleStoreQRCode",
    "AccessibleDownloadProgress",
};
static_assert(rawValues.size() == allAccessibleKeys.size());

} // namespace

std::string_view rawValue(AccessibleKey value) {
    return rawValues.at(static_cast<std::size_t>(value));
}
