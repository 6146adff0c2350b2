<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name></name>
    <message id="AccessibleCloseButton">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="AccessibleDownloadProgress">
        <source>Download progress</source>
        <translation>Download progress</translation>
    </message>
    <message id="AccessibleInfoButton">
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message id="AccessibleInfoButtonDescription">
        <source>Mobile app, user guide and compatible apps</source>
        <translation>Mobile app, user guide and compatible apps</translation>
    </message>
    <message id="AccessibleLicenseText">
        <source>License agreement text</source>
        <translation>License agreement text</translation>
    </message>
    <message id="AccessibleMeetingModeButton">
        <source>Meeting mode: the speakerphone is your speaker and your microphone</source>
        <translation>Meeting mode: the speakerphone is your speaker and your microphone</translation>
    </message>
    <message id="AccessibleMinimizeButton">
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message id="AccessibleModeButtonDescription">
        <source>Switches the computer’s sound to this mode</source>
        <translation>Switches the computer’s sound to this mode</translation>
    </message>
    <message id="AccessibleMusicModeButton">
        <source>Music mode: sound plays on the speakerphone, the computer keeps its own microphone</source>
        <translation>Music mode: sound plays on the speakerphone, the computer keeps its own microphone</translation>
    </message>
    <message id="AccessibleReadToEndDescription">
        <source>Scroll to the end to enable Agree</source>
        <translation>Scroll to the end to enable Agree</translation>
    </message>
    <message id="AccessibleSettingsButton">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="AccessibleSettingsButtonDescription">
        <source>Start at login, updates and privacy</source>
        <translation>Start at login, updates and privacy</translation>
    </message>
    <message id="AccessibleShareUsageDataDescription">
        <source>Sends anonymous usage data to Lumatix to help improve the assistant</source>
        <translation>Sends anonymous usage data to Lumatix to help improve the assistant</translation>
    </message>
    <message id="AccessibleShareUsageDataOff">
        <source>Share usage data: off</source>
        <translation>Share usage data: off</translation>
    </message>
    <message id="AccessibleShareUsageDataOn">
        <source>Share usage data: on</source>
        <translation>Share usage data: on</translation>
    </message>
    <message id="AccessibleStartAtLoginOff">
        <source>Start at login: off</source>
        <translation>Start at login: off</translation>
    </message>
    <message id="AccessibleStartAtLoginOn">
        <source>Start at login: on</source>
        <translation>Start at login: on</translation>
    </message>
    <message id="AccessibleStoreQRCode">
        <source>QR code to get the mobile app: %1</source>
        <translation>QR code to get the mobile app: %1</translation>
    </message>
    <message id="AccessibleUsageDataText">
        <source>About sharing usage data</source>
        <translation>About sharing usage data</translation>
    </message>
    <message id="AccessibleUserGuideLink">
        <source>User guide (%1)</source>
        <translation>User guide (%1)</translation>
    </message>
    <message id="AccessibleUserGuideLinkDescription">
        <source>Opens in your web browser</source>
        <translation>Opens in your web browser</translation>
    </message>
    <message id="BluetoothSettingButtonTitle">
        <source>Open Bluetooth Settings</source>
        <translation>Open Bluetooth Settings</translation>
    </message>
    <message id="BluetoothViewDescription">
        <source>Pair your Lumatix U with this computer in three steps.</source>
        <translation>Pair your Lumatix U with this computer in three steps.</translation>
    </message>
    <message id="BluetoothViewStep1Description">
        <source>Press and hold the Bluetooth button on the speakerphone until the light flashes blue.</source>
        <translation>Press and hold the Bluetooth button on the speakerphone until the light flashes blue.</translation>
    </message>
    <message id="BluetoothViewStep1Title">
        <source>1. Start pairing</source>
        <translation>1. Start pairing</translation>
    </message>
    <message id="BluetoothViewStep2Title">
        <source>2. Choose “Lumatix U” in the Bluetooth settings of your computer</source>
        <translation>2. Choose “Lumatix U” in the Bluetooth settings of your computer</translation>
    </message>
    <message id="BluetoothViewStep3Description">
        <source>The light stays blue. This window then shows the audio modes.</source>
        <translation>The light stays blue. This window then shows the audio modes.</translation>
    </message>
    <message id="BluetoothViewStep3Title">
        <source>3. Connected</source>
        <translation>3. Connected</translation>
    </message>
    <message id="BluetoothViewTitle">
        <source>Connect your Lumatix U</source>
        <translation>Connect your Lumatix U</translation>
    </message>
    <message id="CancelButtonTitle">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="CheckOTATitle">
        <source>Checking for updates…</source>
        <translation>Checking for updates…</translation>
    </message>
    <message id="CheckOTAViewTitle">
        <source>Software Update</source>
        <translation>Software Update</translation>
    </message>
    <message id="DownloadOTADescription">
        <source>It is saved to your Downloads folder, then the assistant closes.</source>
        <translation>It is saved to your Downloads folder, then the assistant closes.</translation>
    </message>
    <message id="DownloadOTATitle">
        <source>Downloading the update…</source>
        <translation>Downloading the update…</translation>
    </message>
    <message id="DownloadOTAViewTitle">
        <source>Downloading Update</source>
        <translation>Downloading Update</translation>
    </message>
    <message id="EULAAgreeButtonTitle">
        <source>Agree</source>
        <translation>Agree</translation>
    </message>
    <message id="EULADisagreeButtonTitle">
        <source>Disagree</source>
        <translation>Disagree</translation>
    </message>
    <message id="EULATitle">
        <source>End User License Agreement</source>
        <translation>End User License Agreement</translation>
    </message>
    <message id="EULAUnavailableDescription">
        <source>The licence agreement could not be loaded. Reinstalling the assistant restores it.</source>
        <translation>The licence agreement could not be loaded. Reinstalling the assistant restores it.</translation>
    </message>
    <message id="InfoQRCodeButtonTitle">
        <source>Mobile App</source>
        <translation>Mobile App</translation>
    </message>
    <message id="InfoSupportAppButtonTitle">
        <source>Compatibility</source>
        <translation>Compatibility</translation>
    </message>
    <message id="InfoSupportAppGoogleMeetTitle">
        <source>Google Meet</source>
        <translation>Google Meet</translation>
    </message>
    <message id="InfoSupportAppLineTitle">
        <source>LINE</source>
        <translation>LINE</translation>
    </message>
    <message id="InfoSupportAppPCDescription">
        <source>Desktop app</source>
        <translation>Desktop app</translation>
    </message>
    <message id="InfoSupportAppSkypeTitle">
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
    <message id="InfoSupportAppTeamsTitle">
        <source>Microsoft Teams</source>
        <translation>Microsoft Teams</translation>
    </message>
    <message id="InfoSupportAppTitle">
        <source>Works with these conferencing apps</source>
        <translation>Works with these conferencing apps</translation>
    </message>
    <message id="InfoSupportAppWebDescription">
        <source>In the browser</source>
        <translation>In the browser</translation>
    </message>
    <message id="InfoSupportAppWebEXTitle">
        <source>Webex</source>
        <translation>Webex</translation>
    </message>
    <message id="InfoSupportAppZoomTitle">
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message id="InfoUserGuideButtonTitle">
        <source>User Guide</source>
        <translation>User Guide</translation>
    </message>
    <message id="InfoUserGuideCNTitle">
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message id="InfoUserGuideENTitle">
        <source>English</source>
        <translation>English</translation>
    </message>
    <message id="InfoUserGuideJPTitle">
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message id="InfoUserGuideTWTitle">
        <source>繁體中文</source>
        <translation>繁體中文</translation>
    </message>
    <message id="InfoViewTitle">
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message id="LoginItemDescription">
        <source>Let the assistant start when you log in, so your speakerphone is set up and ready whenever you need it.</source>
        <translation>Let the assistant start when you log in, so your speakerphone is set up and ready whenever you need it.</translation>
    </message>
    <message id="LoginItemOpenSettingButtonTitle">
        <source>Turn On Start at Login</source>
        <translation>Turn On Start at Login</translation>
    </message>
    <message id="LoginItemSkipButtonTitle">
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message id="LoginItemTitle">
        <source>Start at Login</source>
        <translation>Start at Login</translation>
    </message>
    <message id="LoginItemTurnOffButtonTitle">
        <source>Turn Off Start at Login</source>
        <translation>Turn Off Start at Login</translation>
    </message>
    <message id="MenuItemExit">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="MenuItemInfo">
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message id="MenuItemMeetingMode">
        <source>Meeting Mode</source>
        <translation>Meeting Mode</translation>
    </message>
    <message id="MenuItemMusicMode">
        <source>Music Mode</source>
        <translation>Music Mode</translation>
    </message>
    <message id="MenuItemOpenApp">
        <source>Open Assistant</source>
        <translation>Open Assistant</translation>
    </message>
    <message id="MenuItemOpenBT">
        <source>Bluetooth Settings</source>
        <translation>Bluetooth Settings</translation>
    </message>
    <message id="MenuItemSetting">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="MicPermissionDescription">
        <source>The assistant needs access to the microphone to set up your speakerphone. Allow it in the privacy settings, then start the assistant again.</source>
        <translation>The assistant needs access to the microphone to set up your speakerphone. Allow it in the privacy settings, then start the assistant again.</translation>
    </message>
    <message id="MicPermissionOpenSettingButtonTitle">
        <source>Open Privacy Settings</source>
        <translation>Open Privacy Settings</translation>
    </message>
    <message id="MicPermissionTitle">
        <source>Allow Microphone Access</source>
        <translation>Allow Microphone Access</translation>
    </message>
    <message id="ModeViewDescription">
        <source>Choose how you want to use your speakerphone.</source>
        <translation>Choose how you want to use your speakerphone.</translation>
    </message>
    <message id="ModeViewMeetingDescription">
        <source>Calls and online meetings: the speakerphone is your speaker and your microphone.</source>
        <translation>Calls and online meetings: the speakerphone is your speaker and your microphone.</translation>
    </message>
    <message id="ModeViewMeetingTitle">
        <source>Meeting Mode</source>
        <translation>Meeting Mode</translation>
    </message>
    <message id="ModeViewMusicDescription">
        <source>Music and videos: sound plays on the speakerphone, and the computer keeps its own microphone.</source>
        <translation>Music and videos: sound plays on the speakerphone, and the computer keeps its own microphone.</translation>
    </message>
    <message id="ModeViewMusicTitle">
        <source>Music Mode</source>
        <translation>Music Mode</translation>
    </message>
    <message id="ModeViewTitle">
        <source>%1 is connected</source>
        <translation>%1 is connected</translation>
    </message>
    <message id="NoNeedOTAViewUpdateTitle">
        <source>You are using the latest version.</source>
        <translation>You are using the latest version.</translation>
    </message>
    <message id="OTAViewCloseButtonTitle">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="OTAViewDownloadButtonTitle">
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message id="OTAViewForcedUpdateTitle">
        <source>A required update is available. Please install it to continue.</source>
        <translation>A required update is available. Please install it to continue.</translation>
    </message>
    <message id="OTAViewSkipButtonTitle">
        <source>Not Now</source>
        <translation>Not Now</translation>
    </message>
    <message id="OTAViewTitle">
        <source>Software Update</source>
        <translation>Software Update</translation>
    </message>
    <message id="OTAViewUpdateTitle">
        <source>A new version is available. Download it now?</source>
        <translation>A new version is available. Download it now?</translation>
    </message>
    <message id="PrivacyAlertCancelButton">
        <source>Don’t Share</source>
        <translation>Don’t Share</translation>
    </message>
    <message id="PrivacyAlertConfirmButton">
        <source>Agree</source>
        <translation>Agree</translation>
    </message>
    <message id="PrivacyAlertDescription">
        <source>Lumatix Connection Assistant can send anonymous usage data to Lumatix. It tells us which features are used and on which computers, so that we can fix problems and improve the assistant and the Lumatix U speakerphone.

With your consent, the assistant sends:
• an installation identifier: a random number created when the assistant is set up, not linked to your name, your account or your speakerphone;
• the version of the assistant;
• the model of your computer;
• the platform (operating system) the assistant runs on;
• when you switch between Meeting mode and Music mode;
• when you open the pages of the Information window;
• when the assistant is started for the first time after you agree.

The assistant never sends your name, e-mail address, contacts, files, recordings, the sound of your calls or the contents of your meetings.

Depending on your region, the data goes to our analytics server in mainland China or to our analytics server for the rest of the world. It is used only in summarized form, for statistics about how the assistant is used, and it is not sold or passed on for advertising.

Nothing is sent unless you agree. If you do not agree, the assistant works exactly the same. You can change your choice at any time under Settings &gt; Privacy.

Scroll to the end of this text to agree.</source>
        <translation>Lumatix Connection Assistant can send anonymous usage data to Lumatix. It tells us which features are used and on which computers, so that we can fix problems and improve the assistant and the Lumatix U speakerphone.

With your consent, the assistant sends:
• an installation identifier: a random number created when the assistant is set up, not linked to your name, your account or your speakerphone;
• the version of the assistant;
• the model of your computer;
• the platform (operating system) the assistant runs on;
• when you switch between Meeting mode and Music mode;
• when you open the pages of the Information window;
• when the assistant is started for the first time after you agree.

The assistant never sends your name, e-mail address, contacts, files, recordings, the sound of your calls or the contents of your meetings.

Depending on your region, the data goes to our analytics server in mainland China or to our analytics server for the rest of the world. It is used only in summarized form, for statistics about how the assistant is used, and it is not sold or passed on for advertising.

Nothing is sent unless you agree. If you do not agree, the assistant works exactly the same. You can change your choice at any time under Settings &gt; Privacy.

Scroll to the end of this text to agree.</translation>
    </message>
    <message id="PrivacyDescription">
        <source>Help us improve the assistant by sharing anonymous usage data.</source>
        <translation>Help us improve the assistant by sharing anonymous usage data.</translation>
    </message>
    <message id="PrivacyTitle">
        <source>Help Us Improve</source>
        <translation>Help Us Improve</translation>
    </message>
    <message id="SettingCheckUpdateButtonTitle">
        <source>Check for Updates</source>
        <translation>Check for Updates</translation>
    </message>
    <message id="SettingPreferenceBTConnect">
        <source>Connected: %1</source>
        <translation>Connected: %1</translation>
    </message>
    <message id="SettingPreferenceBTDisconnect">
        <source>Not connected</source>
        <translation>Not connected</translation>
    </message>
    <message id="SettingPreferenceBTTitle">
        <source>Speakerphone connection</source>
        <translation>Speakerphone connection</translation>
    </message>
    <message id="SettingPreferenceButtonTitle">
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message id="SettingPreferenceLoginDisable">
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message id="SettingPreferenceLoginEnable">
        <source>On</source>
        <translation>On</translation>
    </message>
    <message id="SettingPreferenceLoginTitle">
        <source>Start at login</source>
        <translation>Start at login</translation>
    </message>
    <message id="SettingPrivacyAgreeTitle">
        <source>Sharing anonymous usage data</source>
        <translation>Sharing anonymous usage data</translation>
    </message>
    <message id="SettingPrivacyButtonTitle">
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message id="SettingPrivacyDisagreeTitle">
        <source>Not sharing usage data</source>
        <translation>Not sharing usage data</translation>
    </message>
    <message id="SettingPrivacyTitle">
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message id="SettingQRCodeAndroidCNTitle">
        <source>Android (China)</source>
        <translation>Android (China)</translation>
    </message>
    <message id="SettingQRCodeAndroidTitle">
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message id="SettingQRCodeiOSTitle">
        <source>iPhone and iPad</source>
        <translation>iPhone and iPad</translation>
    </message>
    <message id="SettingUpdateButtonTitle">
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message id="SettingUpdateDescription">
        <source>Last checked: %1</source>
        <translation>Last checked: %1</translation>
    </message>
    <message id="SettingUpdateTitle">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="SettingViewTitle">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="ToastMeetingTitle">
        <source>Meeting mode is on</source>
        <translation>Meeting mode is on</translation>
    </message>
    <message id="ToastMusicTitle">
        <source>Music mode is on</source>
        <translation>Music mode is on</translation>
    </message>
    <message id="appTitle">
        <source>Lumatix Connection Assistant %1</source>
        <translation>Lumatix Connection Assistant %1</translation>
    </message>
    <message id="SettingPrivacyDescription">
        <source>Lumatix Connection Assistant can send anonymous usage data to Lumatix. It tells us which features are used and on which computers, so that we can fix problems and improve the assistant and the Lumatix U speakerphone.

With your consent, the assistant sends:
• an installation identifier: a random number created when the assistant is set up, not linked to your name, your account or your speakerphone;
• the version of the assistant;
• the model of your computer;
• the platform (operating system) the assistant runs on;
• when you switch between Meeting mode and Music mode;
• when you open the pages of the Information window;
• when the assistant is started for the first time after you agree.

The assistant never sends your name, e-mail address, contacts, files, recordings, the sound of your calls or the contents of your meetings.

Depending on your region, the data goes to our analytics server in mainland China or to our analytics server for the rest of the world. It is used only in summarized form, for statistics about how the assistant is used, and it is not sold or passed on for advertising.

Nothing is sent unless you agree. If you do not agree, the assistant works exactly the same. Use the switch below to change your choice at any time.</source>
        <translation>Lumatix Connection Assistant can send anonymous usage data to Lumatix. It tells us which features are used and on which computers, so that we can fix problems and improve the assistant and the Lumatix U speakerphone.

With your consent, the assistant sends:
• an installation identifier: a random number created when the assistant is set up, not linked to your name, your account or your speakerphone;
• the version of the assistant;
• the model of your computer;
• the platform (operating system) the assistant runs on;
• when you switch between Meeting mode and Music mode;
• when you open the pages of the Information window;
• when the assistant is started for the first time after you agree.

The assistant never sends your name, e-mail address, contacts, files, recordings, the sound of your calls or the contents of your meetings.

Depending on your region, the data goes to our analytics server in mainland China or to our analytics server for the rest of the world. It is used only in summarized form, for statistics about how the assistant is used, and it is not sold or passed on for advertising.

Nothing is sent unless you agree. If you do not agree, the assistant works exactly the same. Use the switch below to change your choice at any time.</translation>
    </message>
    <message id="LoginItemFailedDescription">
        <source>The assistant could not turn on launch at login: its startup entry could not be written. You can skip this step and try again later in Settings.</source>
        <translation>The assistant could not turn on launch at login: its startup entry could not be written. You can skip this step and try again later in Settings.</translation>
    </message>
    <message id="FollowCallsMeetingNotice">
        <source>Meeting mode is on: %1 is using the microphone</source>
        <translation>Meeting mode is on: %1 is using the microphone</translation>
    </message>
    <message id="FollowCallsMusicNotice">
        <source>Music mode is back on</source>
        <translation>Music mode is back on</translation>
    </message>
    <message id="FollowCallsTurnOffButtonTitle">
        <source>Turn Off</source>
        <translation>Turn Off</translation>
    </message>
    <message id="FollowCallsTurnOnButtonTitle">
        <source>Turn On</source>
        <translation>Turn On</translation>
    </message>
    <message id="SettingPreferenceFollowCallsOff">
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message id="SettingPreferenceFollowCallsOn">
        <source>On</source>
        <translation>On</translation>
    </message>
    <message id="SettingPreferenceFollowCallsTitle">
        <source>Switch to Meeting mode during calls</source>
        <translation>Switch to Meeting mode during calls</translation>
    </message>
    <message id="AccessibleFollowCallsOn">
        <source>Switch to Meeting mode during calls: on</source>
        <translation>Switch to Meeting mode during calls: on</translation>
    </message>
    <message id="AccessibleFollowCallsOff">
        <source>Switch to Meeting mode during calls: off</source>
        <translation>Switch to Meeting mode during calls: off</translation>
    </message>
    <message id="ModeViewInUse">
        <source>In use</source>
        <translation>In use</translation>
    </message>
</context>
</TS>
