<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name></name>
    <message id="AccessibleCloseButton">
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message id="AccessibleDownloadProgress">
        <source>Download progress</source>
        <translation>下載進度</translation>
    </message>
    <message id="AccessibleInfoButton">
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message id="AccessibleInfoButtonDescription">
        <source>Mobile app, user guide and compatible apps</source>
        <translation>手機 App、使用指南與相容的應用程式</translation>
    </message>
    <message id="AccessibleLicenseText">
        <source>License agreement text</source>
        <translation>授權合約內文</translation>
    </message>
    <message id="AccessibleMeetingModeButton">
        <source>Meeting mode: the speakerphone is your speaker and your microphone</source>
        <translation>會議模式：揚聲器同時作為您的喇叭與麥克風</translation>
    </message>
    <message id="AccessibleMinimizeButton">
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message id="AccessibleModeButtonDescription">
        <source>Switches the computer’s sound to this mode</source>
        <translation>將電腦的聲音切換為此模式</translation>
    </message>
    <message id="AccessibleMusicModeButton">
        <source>Music mode: sound plays on the speakerphone, the computer keeps its own microphone</source>
        <translation>音樂模式：聲音由揚聲器播放，電腦繼續使用自己的麥克風</translation>
    </message>
    <message id="AccessibleReadToEndDescription">
        <source>Scroll to the end to enable Agree</source>
        <translation>捲動到最後即可按「同意」</translation>
    </message>
    <message id="AccessibleSettingsButton">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="AccessibleSettingsButtonDescription">
        <source>Start at login, updates and privacy</source>
        <translation>登入時啟動、更新與隱私權</translation>
    </message>
    <message id="AccessibleShareUsageDataDescription">
        <source>Sends anonymous usage data to Lumatix to help improve the assistant</source>
        <translation>將匿名使用資料傳送給 Lumatix，協助改善本助理</translation>
    </message>
    <message id="AccessibleShareUsageDataOff">
        <source>Share usage data: off</source>
        <translation>分享使用資料：已關閉</translation>
    </message>
    <message id="AccessibleShareUsageDataOn">
        <source>Share usage data: on</source>
        <translation>分享使用資料：已開啟</translation>
    </message>
    <message id="AccessibleStartAtLoginOff">
        <source>Start at login: off</source>
        <translation>登入時啟動：已關閉</translation>
    </message>
    <message id="AccessibleStartAtLoginOn">
        <source>Start at login: on</source>
        <translation>登入時啟動：已開啟</translation>
    </message>
    <message id="AccessibleStoreQRCode">
        <source>QR code to get the mobile app: %1</source>
        <translation>手機 App 下載 QR 碼：%1</translation>
    </message>
    <message id="AccessibleUsageDataText">
        <source>About sharing usage data</source>
        <translation>關於分享使用資料</translation>
    </message>
    <message id="AccessibleUserGuideLink">
        <source>User guide (%1)</source>
        <translation>使用指南（%1）</translation>
    </message>
    <message id="AccessibleUserGuideLinkDescription">
        <source>Opens in your web browser</source>
        <translation>在網頁瀏覽器中開啟</translation>
    </message>
    <message id="BluetoothSettingButtonTitle">
        <source>Open Bluetooth Settings</source>
        <translation>開啟藍牙設定</translation>
    </message>
    <message id="BluetoothViewDescription">
        <source>Pair your Lumatix U with this computer in three steps.</source>
        <translation>只要三個步驟，就能將 Lumatix U 與這台電腦配對。</translation>
    </message>
    <message id="BluetoothViewStep1Description">
        <source>Press and hold the Bluetooth button on the speakerphone until the light flashes blue.</source>
        <translation>長按揚聲器上的藍牙按鈕，直到指示燈閃爍藍光。</translation>
    </message>
    <message id="BluetoothViewStep1Title">
        <source>1. Start pairing</source>
        <translation>1. 進入配對模式</translation>
    </message>
    <message id="BluetoothViewStep2Title">
        <source>2. Choose “Lumatix U” in the Bluetooth settings of your computer</source>
        <translation>2. 在電腦的藍牙設定中選擇「Lumatix U」</translation>
    </message>
    <message id="BluetoothViewStep3Description">
        <source>The light stays blue. This window then shows the audio modes.</source>
        <translation>指示燈恆亮藍光，此視窗隨即顯示音訊模式。</translation>
    </message>
    <message id="BluetoothViewStep3Title">
        <source>3. Connected</source>
        <translation>3. 連線成功</translation>
    </message>
    <message id="BluetoothViewTitle">
        <source>Connect your Lumatix U</source>
        <translation>連接您的 Lumatix U</translation>
    </message>
    <message id="CancelButtonTitle">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="CheckOTATitle">
        <source>Checking for updates…</source>
        <translation>正在檢查更新…</translation>
    </message>
    <message id="CheckOTAViewTitle">
        <source>Software Update</source>
        <translation>軟體更新</translation>
    </message>
    <message id="DownloadOTADescription">
        <source>It is saved to your Downloads folder, then the assistant closes.</source>
        <translation>新版本會儲存到「下載」資料夾，下載完成後助理會自動結束。</translation>
    </message>
    <message id="DownloadOTATitle">
        <source>Downloading the update…</source>
        <translation>正在下載更新…</translation>
    </message>
    <message id="DownloadOTAViewTitle">
        <source>Downloading Update</source>
        <translation>正在下載更新</translation>
    </message>
    <message id="EULAAgreeButtonTitle">
        <source>Agree</source>
        <translation>同意</translation>
    </message>
    <message id="EULADisagreeButtonTitle">
        <source>Disagree</source>
        <translation>不同意</translation>
    </message>
    <message id="EULATitle">
        <source>End User License Agreement</source>
        <translation>終端使用者授權合約</translation>
    </message>
    <message id="EULAUnavailableDescription">
        <source>The licence agreement could not be loaded. Reinstalling the assistant restores it.</source>
        <translation>無法載入授權合約。重新安裝本助理即可復原。</translation>
    </message>
    <message id="InfoQRCodeButtonTitle">
        <source>Mobile App</source>
        <translation>手機 App</translation>
    </message>
    <message id="InfoSupportAppButtonTitle">
        <source>Compatibility</source>
        <translation>支援的應用程式</translation>
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
        <translation>桌面應用程式</translation>
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
        <translation>適用於以下會議應用程式</translation>
    </message>
    <message id="InfoSupportAppWebDescription">
        <source>In the browser</source>
        <translation>網頁版</translation>
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
        <translation>使用指南</translation>
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
        <translation>資訊</translation>
    </message>
    <message id="LoginItemDescription">
        <source>Let the assistant start when you log in, so your speakerphone is set up and ready whenever you need it.</source>
        <translation>登入時自動啟動助理，讓揚聲器隨時準備就緒。</translation>
    </message>
    <message id="LoginItemOpenSettingButtonTitle">
        <source>Turn On Start at Login</source>
        <translation>開啟登入時啟動</translation>
    </message>
    <message id="LoginItemSkipButtonTitle">
        <source>Skip</source>
        <translation>略過</translation>
    </message>
    <message id="LoginItemTitle">
        <source>Start at Login</source>
        <translation>登入時啟動</translation>
    </message>
    <message id="LoginItemTurnOffButtonTitle">
        <source>Turn Off Start at Login</source>
        <translation>關閉登入時啟動</translation>
    </message>
    <message id="MenuItemExit">
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message id="MenuItemInfo">
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message id="MenuItemMeetingMode">
        <source>Meeting Mode</source>
        <translation>會議模式</translation>
    </message>
    <message id="MenuItemMusicMode">
        <source>Music Mode</source>
        <translation>音樂模式</translation>
    </message>
    <message id="MenuItemOpenApp">
        <source>Open Assistant</source>
        <translation>開啟助理</translation>
    </message>
    <message id="MenuItemOpenBT">
        <source>Bluetooth Settings</source>
        <translation>藍牙設定</translation>
    </message>
    <message id="MenuItemSetting">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="MicPermissionDescription">
        <source>The assistant needs access to the microphone to set up your speakerphone. Allow it in the privacy settings, then start the assistant again.</source>
        <translation>助理需要存取麥克風才能設定您的揚聲器。請在隱私權設定中允許存取，然後重新啟動助理。</translation>
    </message>
    <message id="MicPermissionOpenSettingButtonTitle">
        <source>Open Privacy Settings</source>
        <translation>開啟隱私權設定</translation>
    </message>
    <message id="MicPermissionTitle">
        <source>Allow Microphone Access</source>
        <translation>允許存取麥克風</translation>
    </message>
    <message id="ModeViewDescription">
        <source>Choose how you want to use your speakerphone.</source>
        <translation>請選擇揚聲器的使用方式。</translation>
    </message>
    <message id="ModeViewMeetingDescription">
        <source>Calls and online meetings: the speakerphone is your speaker and your microphone.</source>
        <translation>通話與線上會議：揚聲器同時作為您的喇叭與麥克風。</translation>
    </message>
    <message id="ModeViewMeetingTitle">
        <source>Meeting Mode</source>
        <translation>會議模式</translation>
    </message>
    <message id="ModeViewMusicDescription">
        <source>Music and videos: sound plays on the speakerphone, and the computer keeps its own microphone.</source>
        <translation>音樂與影片：聲音由揚聲器播放，電腦繼續使用自己的麥克風。</translation>
    </message>
    <message id="ModeViewMusicTitle">
        <source>Music Mode</source>
        <translation>音樂模式</translation>
    </message>
    <message id="ModeViewTitle">
        <source>%1 is connected</source>
        <translation>%1 已連線</translation>
    </message>
    <message id="NoNeedOTAViewUpdateTitle">
        <source>You are using the latest version.</source>
        <translation>您使用的已是最新版本。</translation>
    </message>
    <message id="OTAViewCloseButtonTitle">
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message id="OTAViewDownloadButtonTitle">
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message id="OTAViewForcedUpdateTitle">
        <source>A required update is available. Please install it to continue.</source>
        <translation>有一項必要的更新，請安裝後繼續使用。</translation>
    </message>
    <message id="OTAViewSkipButtonTitle">
        <source>Not Now</source>
        <translation>稍後再說</translation>
    </message>
    <message id="OTAViewTitle">
        <source>Software Update</source>
        <translation>軟體更新</translation>
    </message>
    <message id="OTAViewUpdateTitle">
        <source>A new version is available. Download it now?</source>
        <translation>有新版本可用，要立即下載嗎？</translation>
    </message>
    <message id="PrivacyAlertCancelButton">
        <source>Don’t Share</source>
        <translation>不分享</translation>
    </message>
    <message id="PrivacyAlertConfirmButton">
        <source>Agree</source>
        <translation>同意</translation>
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
        <translation>Lumatix 連線助理可以將匿名使用資料傳送給 Lumatix。這些資料讓我們了解哪些功能被使用、在哪些電腦上使用，以便修正問題，並改善本助理與 Lumatix U 揚聲器。

經您同意後，助理會傳送：
• 安裝識別碼：設定助理時產生的隨機編號，與您的姓名、帳戶或揚聲器皆無關聯；
• 助理的版本；
• 電腦的型號；
• 助理執行的平台（作業系統）；
• 您在會議模式與音樂模式之間切換的紀錄；
• 您開啟「資訊」視窗各頁面的紀錄；
• 您同意後助理首次啟動的紀錄。

助理絕不會傳送您的姓名、電子郵件地址、聯絡人、檔案、錄音、通話聲音或會議內容。

依您所在的地區，資料會傳送到我們位於中國大陸的分析伺服器，或服務其他地區的分析伺服器。資料僅以彙總形式用於統計助理的使用情形，不會出售，也不會用於廣告。

未經您同意，不會傳送任何資料。即使您不同意，助理的功能也完全相同。您可以隨時在「設定 &gt; 隱私權」中變更您的選擇。

請捲動到本文結尾後再按下同意。</translation>
    </message>
    <message id="PrivacyDescription">
        <source>Help us improve the assistant by sharing anonymous usage data.</source>
        <translation>分享匿名使用資料，協助我們改善助理。</translation>
    </message>
    <message id="PrivacyTitle">
        <source>Help Us Improve</source>
        <translation>協助我們改善</translation>
    </message>
    <message id="SettingCheckUpdateButtonTitle">
        <source>Check for Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message id="SettingPreferenceBTConnect">
        <source>Connected: %1</source>
        <translation>已連線：%1</translation>
    </message>
    <message id="SettingPreferenceBTDisconnect">
        <source>Not connected</source>
        <translation>未連線</translation>
    </message>
    <message id="SettingPreferenceBTTitle">
        <source>Speakerphone connection</source>
        <translation>揚聲器連線</translation>
    </message>
    <message id="SettingPreferenceButtonTitle">
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message id="SettingPreferenceLoginDisable">
        <source>Off</source>
        <translation>已關閉</translation>
    </message>
    <message id="SettingPreferenceLoginEnable">
        <source>On</source>
        <translation>已開啟</translation>
    </message>
    <message id="SettingPreferenceLoginTitle">
        <source>Start at login</source>
        <translation>登入時啟動</translation>
    </message>
    <message id="SettingPrivacyAgreeTitle">
        <source>Sharing anonymous usage data</source>
        <translation>正在分享匿名使用資料</translation>
    </message>
    <message id="SettingPrivacyButtonTitle">
        <source>Privacy</source>
        <translation>隱私權</translation>
    </message>
    <message id="SettingPrivacyDisagreeTitle">
        <source>Not sharing usage data</source>
        <translation>不分享使用資料</translation>
    </message>
    <message id="SettingPrivacyTitle">
        <source>Privacy</source>
        <translation>隱私權</translation>
    </message>
    <message id="SettingQRCodeAndroidCNTitle">
        <source>Android (China)</source>
        <translation>Android (中國大陸)</translation>
    </message>
    <message id="SettingQRCodeAndroidTitle">
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message id="SettingQRCodeiOSTitle">
        <source>iPhone and iPad</source>
        <translation>iPhone 與 iPad</translation>
    </message>
    <message id="SettingUpdateButtonTitle">
        <source>Updates</source>
        <translation>更新</translation>
    </message>
    <message id="SettingUpdateDescription">
        <source>Last checked: %1</source>
        <translation>上次檢查：%1</translation>
    </message>
    <message id="SettingUpdateTitle">
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message id="SettingViewTitle">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="ToastMeetingTitle">
        <source>Meeting mode is on</source>
        <translation>已切換為會議模式</translation>
    </message>
    <message id="ToastMusicTitle">
        <source>Music mode is on</source>
        <translation>已切換為音樂模式</translation>
    </message>
    <message id="appTitle">
        <source>Lumatix Connection Assistant %1</source>
        <translation>Lumatix 連線助理 %1</translation>
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
        <translation>Lumatix 連線助理可以將匿名使用資料傳送給 Lumatix。這些資料讓我們了解哪些功能被使用、在哪些電腦上使用，以便修正問題，並改善本助理與 Lumatix U 揚聲器。

經您同意後，助理會傳送：
• 安裝識別碼：設定助理時產生的隨機編號，與您的姓名、帳戶或揚聲器皆無關聯；
• 助理的版本；
• 電腦的型號；
• 助理執行的平台（作業系統）；
• 您在會議模式與音樂模式之間切換的紀錄；
• 您開啟「資訊」視窗各頁面的紀錄；
• 您同意後助理首次啟動的紀錄。

助理絕不會傳送您的姓名、電子郵件地址、聯絡人、檔案、錄音、通話聲音或會議內容。

依您所在的地區，資料會傳送到我們位於中國大陸的分析伺服器，或服務其他地區的分析伺服器。資料僅以彙總形式用於統計助理的使用情形，不會出售，也不會用於廣告。

未經您同意，不會傳送任何資料。即使您不同意，助理的功能也完全相同。您可以隨時透過下方的開關變更您的選擇。</translation>
    </message>
    <message id="LoginItemFailedDescription">
        <source>The assistant could not turn on launch at login: its startup entry could not be written. You can skip this step and try again later in Settings.</source>
        <translation>無法開啟登入時啟動：無法寫入自動啟動項目。您可以略過此步驟，稍後在「設定」中再試一次。</translation>
    </message>
    <message id="FollowCallsMeetingNotice">
        <source>Meeting mode is on: %1 is using the microphone</source>
        <translation>已切換為會議模式：%1 正在使用麥克風</translation>
    </message>
    <message id="FollowCallsMusicNotice">
        <source>Music mode is back on</source>
        <translation>已切換回音樂模式</translation>
    </message>
    <message id="FollowCallsTurnOffButtonTitle">
        <source>Turn Off</source>
        <translation>關閉</translation>
    </message>
    <message id="FollowCallsTurnOnButtonTitle">
        <source>Turn On</source>
        <translation>開啟</translation>
    </message>
    <message id="SettingPreferenceFollowCallsOff">
        <source>Off</source>
        <translation>已關閉</translation>
    </message>
    <message id="SettingPreferenceFollowCallsOn">
        <source>On</source>
        <translation>已開啟</translation>
    </message>
    <message id="SettingPreferenceFollowCallsTitle">
        <source>Switch to Meeting mode during calls</source>
        <translation>通話期間切換為會議模式</translation>
    </message>
    <message id="AccessibleFollowCallsOn">
        <source>Switch to Meeting mode during calls: on</source>
        <translation>通話期間切換為會議模式：已開啟</translation>
    </message>
    <message id="AccessibleFollowCallsOff">
        <source>Switch to Meeting mode during calls: off</source>
        <translation>通話期間切換為會議模式：已關閉</translation>
    </message>
    <message id="ModeViewInUse">
        <source>In use</source>
        <translation>使用中</translation>
    </message>
</context>
</TS>
