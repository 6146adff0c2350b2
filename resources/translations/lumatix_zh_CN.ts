<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name></name>
    <message id="AccessibleCloseButton">
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message id="AccessibleDownloadProgress">
        <source>Download progress</source>
        <translation>下载进度</translation>
    </message>
    <message id="AccessibleInfoButton">
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message id="AccessibleInfoButtonDescription">
        <source>Mobile app, user guide and compatible apps</source>
        <translation>手机应用、使用指南和兼容的应用</translation>
    </message>
    <message id="AccessibleLicenseText">
        <source>License agreement text</source>
        <translation>许可协议正文</translation>
    </message>
    <message id="AccessibleMeetingModeButton">
        <source>Meeting mode: the speakerphone is your speaker and your microphone</source>
        <translation>会议模式：扬声器同时用作您的扬声器和麦克风</translation>
    </message>
    <message id="AccessibleMinimizeButton">
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message id="AccessibleModeButtonDescription">
        <source>Switches the computer’s sound to this mode</source>
        <translation>将电脑的声音切换到此模式</translation>
    </message>
    <message id="AccessibleMusicModeButton">
        <source>Music mode: sound plays on the speakerphone, the computer keeps its own microphone</source>
        <translation>音乐模式：声音从扬声器播放，电脑继续使用自己的麦克风</translation>
    </message>
    <message id="AccessibleReadToEndDescription">
        <source>Scroll to the end to enable Agree</source>
        <translation>滚动到末尾后即可点按“同意”</translation>
    </message>
    <message id="AccessibleSettingsButton">
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message id="AccessibleSettingsButtonDescription">
        <source>Start at login, updates and privacy</source>
        <translation>登录时启动、更新和隐私</translation>
    </message>
    <message id="AccessibleShareUsageDataDescription">
        <source>Sends anonymous usage data to Lumatix to help improve the assistant</source>
        <translation>向 Lumatix 发送匿名使用数据，帮助改进本助手</translation>
    </message>
    <message id="AccessibleShareUsageDataOff">
        <source>Share usage data: off</source>
        <translation>分享使用数据：已关闭</translation>
    </message>
    <message id="AccessibleShareUsageDataOn">
        <source>Share usage data: on</source>
        <translation>分享使用数据：已开启</translation>
    </message>
    <message id="AccessibleStartAtLoginOff">
        <source>Start at login: off</source>
        <translation>登录时启动：已关闭</translation>
    </message>
    <message id="AccessibleStartAtLoginOn">
        <source>Start at login: on</source>
        <translation>登录时启动：已开启</translation>
    </message>
    <message id="AccessibleStoreQRCode">
        <source>QR code to get the mobile app: %1</source>
        <translation>手机应用下载二维码：%1</translation>
    </message>
    <message id="AccessibleUsageDataText">
        <source>About sharing usage data</source>
        <translation>关于分享使用数据</translation>
    </message>
    <message id="AccessibleUserGuideLink">
        <source>User guide (%1)</source>
        <translation>使用指南（%1）</translation>
    </message>
    <message id="AccessibleUserGuideLinkDescription">
        <source>Opens in your web browser</source>
        <translation>在网页浏览器中打开</translation>
    </message>
    <message id="BluetoothSettingButtonTitle">
        <source>Open Bluetooth Settings</source>
        <translation>打开蓝牙设置</translation>
    </message>
    <message id="BluetoothViewDescription">
        <source>Pair your Lumatix U with this computer in three steps.</source>
        <translation>只需三步，即可将 Lumatix U 与这台电脑配对。</translation>
    </message>
    <message id="BluetoothViewStep1Description">
        <source>Press and hold the Bluetooth button on the speakerphone until the light flashes blue.</source>
        <translation>长按扬声器上的蓝牙按键，直到指示灯蓝色闪烁。</translation>
    </message>
    <message id="BluetoothViewStep1Title">
        <source>1. Start pairing</source>
        <translation>1. 进入配对模式</translation>
    </message>
    <message id="BluetoothViewStep2Title">
        <source>2. Choose “Lumatix U” in the Bluetooth settings of your computer</source>
        <translation>2. 在电脑的蓝牙设置中选择“Lumatix U”</translation>
    </message>
    <message id="BluetoothViewStep3Description">
        <source>The light stays blue. This window then shows the audio modes.</source>
        <translation>指示灯保持蓝色常亮，本窗口随即显示音频模式。</translation>
    </message>
    <message id="BluetoothViewStep3Title">
        <source>3. Connected</source>
        <translation>3. 连接成功</translation>
    </message>
    <message id="BluetoothViewTitle">
        <source>Connect your Lumatix U</source>
        <translation>连接您的 Lumatix U</translation>
    </message>
    <message id="CancelButtonTitle">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="CheckOTATitle">
        <source>Checking for updates…</source>
        <translation>正在检查更新…</translation>
    </message>
    <message id="CheckOTAViewTitle">
        <source>Software Update</source>
        <translation>软件更新</translation>
    </message>
    <message id="DownloadOTADescription">
        <source>It is saved to your Downloads folder, then the assistant closes.</source>
        <translation>新版本将保存到“下载”文件夹，下载完成后助手会自动退出。</translation>
    </message>
    <message id="DownloadOTATitle">
        <source>Downloading the update…</source>
        <translation>正在下载更新…</translation>
    </message>
    <message id="DownloadOTAViewTitle">
        <source>Downloading Update</source>
        <translation>正在下载更新</translation>
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
        <translation>最终用户许可协议</translation>
    </message>
    <message id="EULAUnavailableDescription">
        <source>The licence agreement could not be loaded. Reinstalling the assistant restores it.</source>
        <translation>无法加载许可协议。重新安装本助手即可恢复。</translation>
    </message>
    <message id="InfoQRCodeButtonTitle">
        <source>Mobile App</source>
        <translation>手机应用</translation>
    </message>
    <message id="InfoSupportAppButtonTitle">
        <source>Compatibility</source>
        <translation>支持的应用</translation>
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
        <translation>桌面应用</translation>
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
        <translation>适用于以下会议应用</translation>
    </message>
    <message id="InfoSupportAppWebDescription">
        <source>In the browser</source>
        <translation>网页版</translation>
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
        <translation>信息</translation>
    </message>
    <message id="LoginItemDescription">
        <source>Let the assistant start when you log in, so your speakerphone is set up and ready whenever you need it.</source>
        <translation>登录时自动启动助手，让扬声器随时准备就绪。</translation>
    </message>
    <message id="LoginItemOpenSettingButtonTitle">
        <source>Turn On Start at Login</source>
        <translation>开启登录时启动</translation>
    </message>
    <message id="LoginItemSkipButtonTitle">
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message id="LoginItemTitle">
        <source>Start at Login</source>
        <translation>登录时启动</translation>
    </message>
    <message id="LoginItemTurnOffButtonTitle">
        <source>Turn Off Start at Login</source>
        <translation>关闭登录时启动</translation>
    </message>
    <message id="MenuItemExit">
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message id="MenuItemInfo">
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message id="MenuItemMeetingMode">
        <source>Meeting Mode</source>
        <translation>会议模式</translation>
    </message>
    <message id="MenuItemMusicMode">
        <source>Music Mode</source>
        <translation>音乐模式</translation>
    </message>
    <message id="MenuItemOpenApp">
        <source>Open Assistant</source>
        <translation>打开助手</translation>
    </message>
    <message id="MenuItemOpenBT">
        <source>Bluetooth Settings</source>
        <translation>蓝牙设置</translation>
    </message>
    <message id="MenuItemSetting">
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message id="MicPermissionDescription">
        <source>The assistant needs access to the microphone to set up your speakerphone. Allow it in the privacy settings, then start the assistant again.</source>
        <translation>助手需要访问麦克风才能设置您的扬声器。请在隐私设置中允许访问，然后重新启动助手。</translation>
    </message>
    <message id="MicPermissionOpenSettingButtonTitle">
        <source>Open Privacy Settings</source>
        <translation>打开隐私设置</translation>
    </message>
    <message id="MicPermissionTitle">
        <source>Allow Microphone Access</source>
        <translation>允许访问麦克风</translation>
    </message>
    <message id="ModeViewDescription">
        <source>Choose how you want to use your speakerphone.</source>
        <translation>请选择扬声器的使用方式。</translation>
    </message>
    <message id="ModeViewMeetingDescription">
        <source>Calls and online meetings: the speakerphone is your speaker and your microphone.</source>
        <translation>通话和在线会议：扬声器同时用作您的扬声器和麦克风。</translation>
    </message>
    <message id="ModeViewMeetingTitle">
        <source>Meeting Mode</source>
        <translation>会议模式</translation>
    </message>
    <message id="ModeViewMusicDescription">
        <source>Music and videos: sound plays on the speakerphone, and the computer keeps its own microphone.</source>
        <translation>音乐和视频：声音从扬声器播放，电脑继续使用自己的麦克风。</translation>
    </message>
    <message id="ModeViewMusicTitle">
        <source>Music Mode</source>
        <translation>音乐模式</translation>
    </message>
    <message id="ModeViewTitle">
        <source>%1 is connected</source>
        <translation>%1 已连接</translation>
    </message>
    <message id="NoNeedOTAViewUpdateTitle">
        <source>You are using the latest version.</source>
        <translation>您使用的已是最新版本。</translation>
    </message>
    <message id="OTAViewCloseButtonTitle">
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message id="OTAViewDownloadButtonTitle">
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message id="OTAViewForcedUpdateTitle">
        <source>A required update is available. Please install it to continue.</source>
        <translation>有一个必要的更新，请安装后继续使用。</translation>
    </message>
    <message id="OTAViewSkipButtonTitle">
        <source>Not Now</source>
        <translation>以后再说</translation>
    </message>
    <message id="OTAViewTitle">
        <source>Software Update</source>
        <translation>软件更新</translation>
    </message>
    <message id="OTAViewUpdateTitle">
        <source>A new version is available. Download it now?</source>
        <translation>有新版本可用，是否立即下载？</translation>
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
        <translation>Lumatix 连接助手可以向 Lumatix 发送匿名使用数据。这些数据能让我们了解哪些功能被使用、在哪些电脑上使用，从而修复问题，改进本助手和 Lumatix U 扬声器。

经您同意后，助手会发送：
• 安装标识符：设置助手时生成的随机编号，与您的姓名、账户或扬声器均无关联；
• 助手的版本；
• 电脑的型号；
• 助手运行的平台（操作系统）；
• 您在会议模式和音乐模式之间切换的记录；
• 您打开“信息”窗口各页面的记录；
• 您同意后助手首次启动的记录。

助手绝不会发送您的姓名、电子邮件地址、联系人、文件、录音、通话声音或会议内容。

根据您所在的地区，数据将发送到我们位于中国大陆的分析服务器，或面向其他地区的分析服务器。数据仅以汇总形式用于统计助手的使用情况，不会出售，也不会用于广告。

未经您同意，不会发送任何数据。即使您不同意，助手的功能也完全相同。您可以随时在“设置 &gt; 隐私”中更改您的选择。

请滚动到本文末尾后再点击同意。</translation>
    </message>
    <message id="PrivacyDescription">
        <source>Help us improve the assistant by sharing anonymous usage data.</source>
        <translation>分享匿名使用数据，帮助我们改进助手。</translation>
    </message>
    <message id="PrivacyTitle">
        <source>Help Us Improve</source>
        <translation>帮助我们改进</translation>
    </message>
    <message id="SettingCheckUpdateButtonTitle">
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message id="SettingPreferenceBTConnect">
        <source>Connected: %1</source>
        <translation>已连接：%1</translation>
    </message>
    <message id="SettingPreferenceBTDisconnect">
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message id="SettingPreferenceBTTitle">
        <source>Speakerphone connection</source>
        <translation>扬声器连接</translation>
    </message>
    <message id="SettingPreferenceButtonTitle">
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message id="SettingPreferenceLoginDisable">
        <source>Off</source>
        <translation>已关闭</translation>
    </message>
    <message id="SettingPreferenceLoginEnable">
        <source>On</source>
        <translation>已开启</translation>
    </message>
    <message id="SettingPreferenceLoginTitle">
        <source>Start at login</source>
        <translation>登录时启动</translation>
    </message>
    <message id="SettingPrivacyAgreeTitle">
        <source>Sharing anonymous usage data</source>
        <translation>正在分享匿名使用数据</translation>
    </message>
    <message id="SettingPrivacyButtonTitle">
        <source>Privacy</source>
        <translation>隐私</translation>
    </message>
    <message id="SettingPrivacyDisagreeTitle">
        <source>Not sharing usage data</source>
        <translation>不分享使用数据</translation>
    </message>
    <message id="SettingPrivacyTitle">
        <source>Privacy</source>
        <translation>隐私</translation>
    </message>
    <message id="SettingQRCodeAndroidCNTitle">
        <source>Android (China)</source>
        <translation>Android (中国大陆)</translation>
    </message>
    <message id="SettingQRCodeAndroidTitle">
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message id="SettingQRCodeiOSTitle">
        <source>iPhone and iPad</source>
        <translation>iPhone 和 iPad</translation>
    </message>
    <message id="SettingUpdateButtonTitle">
        <source>Updates</source>
        <translation>更新</translation>
    </message>
    <message id="SettingUpdateDescription">
        <source>Last checked: %1</source>
        <translation>上次检查：%1</translation>
    </message>
    <message id="SettingUpdateTitle">
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message id="SettingViewTitle">
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message id="ToastMeetingTitle">
        <source>Meeting mode is on</source>
        <translation>已切换到会议模式</translation>
    </message>
    <message id="ToastMusicTitle">
        <source>Music mode is on</source>
        <translation>已切换到音乐模式</translation>
    </message>
    <message id="appTitle">
        <source>Lumatix Connection Assistant %1</source>
        <translation>Lumatix 连接助手 %1</translation>
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
        <translation>Lumatix 连接助手可以向 Lumatix 发送匿名使用数据。这些数据能让我们了解哪些功能被使用、在哪些电脑上使用，从而修复问题，改进本助手和 Lumatix U 扬声器。

经您同意后，助手会发送：
• 安装标识符：设置助手时生成的随机编号，与您的姓名、账户或扬声器均无关联；
• 助手的版本；
• 电脑的型号；
• 助手运行的平台（操作系统）；
• 您在会议模式和音乐模式之间切换的记录；
• 您打开“信息”窗口各页面的记录；
• 您同意后助手首次启动的记录。

助手绝不会发送您的姓名、电子邮件地址、联系人、文件、录音、通话声音或会议内容。

根据您所在的地区，数据将发送到我们位于中国大陆的分析服务器，或面向其他地区的分析服务器。数据仅以汇总形式用于统计助手的使用情况，不会出售，也不会用于广告。

未经您同意，不会发送任何数据。即使您不同意，助手的功能也完全相同。您可以随时通过下方的开关更改您的选择。</translation>
    </message>
    <message id="LoginItemFailedDescription">
        <source>The assistant could not turn on launch at login: its startup entry could not be written. You can skip this step and try again later in Settings.</source>
        <translation>无法开启登录时启动：无法写入自动启动项。您可以跳过此步骤，稍后在“设置”中重试。</translation>
    </message>
    <message id="FollowCallsMeetingNotice">
        <source>Meeting mode is on: %1 is using the microphone</source>
        <translation>已切换到会议模式：%1 正在使用麦克风</translation>
    </message>
    <message id="FollowCallsMusicNotice">
        <source>Music mode is back on</source>
        <translation>已切换回音乐模式</translation>
    </message>
    <message id="FollowCallsTurnOffButtonTitle">
        <source>Turn Off</source>
        <translation>关闭</translation>
    </message>
    <message id="FollowCallsTurnOnButtonTitle">
        <source>Turn On</source>
        <translation>开启</translation>
    </message>
    <message id="SettingPreferenceFollowCallsOff">
        <source>Off</source>
        <translation>已关闭</translation>
    </message>
    <message id="SettingPreferenceFollowCallsOn">
        <source>On</source>
        <translation>已开启</translation>
    </message>
    <message id="SettingPreferenceFollowCallsTitle">
        <source>Switch to Meeting mode during calls</source>
        <translation>通话期间切换到会议模式</translation>
    </message>
    <message id="AccessibleFollowCallsOn">
        <source>Switch to Meeting mode during calls: on</source>
        <translation>通话期间切换到会议模式：已开启</translation>
    </message>
    <message id="AccessibleFollowCallsOff">
        <source>Switch to Meeting mode during calls: off</source>
        <translation>通话期间切换到会议模式：已关闭</translation>
    </message>
    <message id="ModeViewInUse">
        <source>In use</source>
        <translation>使用中</translation>
    </message>
</context>
</TS>
