#include "ui/LocalizedKey.h"

#include <cstddef>

namespace {

constexpr std::array<std::string_view, 100> rawValues{
    "BluetoothSettingButtonTitle",
    "BluetoothViewDescription",
    "BluetoothViewStep1Description",
    "BluetoothViewStep1Title",
    "BluetoothViewStep2Title",
    "BluetoothViewStep3Description",
    "BluetoothViewStep3Title",
    "BluetoothViewTitle",
    "CancelButtonTitle",
    "CheckOTATitle",
    "CheckOTAViewTitle",
    "DownloadOTADescription",
    "DownloadOTATitle",
    "DownloadOTAViewTitle",
    "EULAAgreeButtonTitle",
    "EULADisagreeButtonTitle",
    "EULATitle",
    "EULAUnavailableDescription",
    "FollowCallsMeetingNotice",
    "FollowCallsMusicNotice",
    "FollowCallsTurnOffButtonTitle",
    "FollowCallsTurnOnButtonTitle",
    "InfoQRCodeButtonTitle",
    "InfoSupportAppButtonTitle",
    "InfoSupportAppGoogleMeetTitle",
    "InfoSupportAppLineTitle",
    "InfoSupportAppPCDescription",
    "InfoSupportAppSkypeTitle",
    "InfoSupportAppTeamsTitle",
    "InfoSupportAppTitle",
    "InfoSupportAppWebDescription",
    "InfoSupportAppWebEXTitle",
    "InfoSupportAppZoomTitle",
    "InfoUserGuideButtonTitle",
    "InfoUserGuideCNTitle",
    "InfoUserGuideENTitle",
    "InfoUserGuideJPTitle",
    "InfoUserGuideTWTitle",
    "InfoViewTitle",
    "LoginItemDescription",
    "LoginItemFailedDescription",
    "LoginItemOpenSettingButtonTitle",
    "LoginItemSkipButtonTitle",
    "LoginItemTitle",
    "LoginItemTurnOffButtonTitle",
    "MenuItemExit",
    "MenuItemInfo",
    "MenuItemMeetingMode",
    "MenuItemMusicMode",
    "MenuItemOpenApp",
    "MenuItemOpenBT",
    "MenuItemSetting",
    "MicPermissionDescription",
    "MicPermissionOpenSettingButtonTitle",
    "MicPermissionTitle",
    "ModeViewDescription",
    "ModeViewInUse",
    "ModeViewMeetingDescription",
    "ModeViewMeetingTitle",
    "ModeViewMusicDescription",
    "ModeViewMusicTitle",
    "ModeViewTitle",
    "NoNeedOTAViewUpdateTitle",
    "OTAViewCloseButtonTitle",
    "OTAViewDownloadButtonTitle",
    "OTAViewForcedUpdateTitle",
    "OTAViewSkipButtonTitle",
    "OTAViewTitle",
    "OTAViewUpdateTitle",
    "PrivacyAlertCancelButton",
    "PrivacyAlertConfirmButton",
    "PrivacyAlertDescription",
    "PrivacyDescription",
    "PrivacyTitle",
    "SettingCheckUpdateButtonTitle",
    "SettingPreferenceBTConnect",
    "SettingPreferenceBTDisconnect",
    "SettingPreferenceBTTitle",
    "SettingPreferenceButtonTitle",
    "SettingPreferenceFollowCallsOff",
    "SettingPreferenceFollowCallsOn",
    "SettingPreferenceFollowCallsTitle",
    "SettingPreferenceLoginDisable",
    "SettingPreferenceLoginEnable",
    "SettingPreferenceLoginTitle",
    "SettingPrivacyAgreeTitle",
    "SettingPrivacyButtonTitle",
    "SettingPrivacyDescription",
    "SettingPrivacyDisagreeTitle",
    "SettingPrivacyTitle",
    "SettingQRCodeAndroidCNTitle",
    "SettingQRCodeAndroidTitle",
    "SettingQRCodeiOSTitle",
    "SettingUpdateButtonTitle",
    "SettingUpdateDescription",
    "SettingUpdateTitle",
    "SettingViewTitle",
    "ToastMeetingTitle",
    "ToastMusicTitle",
    "appTitle",
};

static_assert(rawValues.size() == allLocalizedKeys.size());

} // namespace

std::string_view rawValue(LocalizedKey value) {
    return rawValues.at(static_cast<std::size_t>(value));
}

std::optional<LocalizedKey> localizedKeyFromRawValue(std::string_view text) {
    for (std::size_t index = 0; index < rawValues.size(); ++index) {
        if (rawValues[index] == text) {
            return static_cast<LocalizedKey>(index);
        }
    }
    return std::nullopt;
}
