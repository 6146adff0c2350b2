<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name></name>
    <message id="AccessibleCloseButton">
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message id="AccessibleDownloadProgress">
        <source>Download progress</source>
        <translation>ダウンロードの進行状況</translation>
    </message>
    <message id="AccessibleInfoButton">
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message id="AccessibleInfoButtonDescription">
        <source>Mobile app, user guide and compatible apps</source>
        <translation>モバイルアプリ、ユーザーガイド、対応アプリ</translation>
    </message>
    <message id="AccessibleLicenseText">
        <source>License agreement text</source>
        <translation>使用許諾契約の本文</translation>
    </message>
    <message id="AccessibleMeetingModeButton">
        <source>Meeting mode: the speakerphone is your speaker and your microphone</source>
        <translation>会議モード：スピーカーフォンをスピーカーとマイクの両方に使います</translation>
    </message>
    <message id="AccessibleMinimizeButton">
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message id="AccessibleModeButtonDescription">
        <source>Switches the computer’s sound to this mode</source>
        <translation>コンピューターのサウンドをこのモードに切り替えます</translation>
    </message>
    <message id="AccessibleMusicModeButton">
        <source>Music mode: sound plays on the speakerphone, the computer keeps its own microphone</source>
        <translation>音楽モード：音はスピーカーフォンから流れ、マイクはコンピューターのものを使います</translation>
    </message>
    <message id="AccessibleReadToEndDescription">
        <source>Scroll to the end to enable Agree</source>
        <translation>最後までスクロールすると「同意する」を押せます</translation>
    </message>
    <message id="AccessibleSettingsButton">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="AccessibleSettingsButtonDescription">
        <source>Start at login, updates and privacy</source>
        <translation>ログイン時の起動、アップデート、プライバシー</translation>
    </message>
    <message id="AccessibleShareUsageDataDescription">
        <source>Sends anonymous usage data to Lumatix to help improve the assistant</source>
        <translation>匿名の利用データを Lumatix に送信し、アシスタントの改善に役立てます</translation>
    </message>
    <message id="AccessibleShareUsageDataOff">
        <source>Share usage data: off</source>
        <translation>利用データの共有：オフ</translation>
    </message>
    <message id="AccessibleShareUsageDataOn">
        <source>Share usage data: on</source>
        <translation>利用データの共有：オン</translation>
    </message>
    <message id="AccessibleStartAtLoginOff">
        <source>Start at login: off</source>
        <translation>ログイン時に起動：オフ</translation>
    </message>
    <message id="AccessibleStartAtLoginOn">
        <source>Start at login: on</source>
        <translation>ログイン時に起動：オン</translation>
    </message>
    <message id="AccessibleStoreQRCode">
        <source>QR code to get the mobile app: %1</source>
        <translation>モバイルアプリのダウンロード用 QR コード：%1</translation>
    </message>
    <message id="AccessibleUsageDataText">
        <source>About sharing usage data</source>
        <translation>利用データの共有について</translation>
    </message>
    <message id="AccessibleUserGuideLink">
        <source>User guide (%1)</source>
        <translation>ユーザーガイド（%1）</translation>
    </message>
    <message id="AccessibleUserGuideLinkDescription">
        <source>Opens in your web browser</source>
        <translation>Web ブラウザーで開きます</translation>
    </message>
    <message id="BluetoothSettingButtonTitle">
        <source>Open Bluetooth Settings</source>
        <translation>Bluetooth 設定を開く</translation>
    </message>
    <message id="BluetoothViewDescription">
        <source>Pair your Lumatix U with this computer in three steps.</source>
        <translation>3 つのステップで Lumatix U をこのコンピューターとペアリングします。</translation>
    </message>
    <message id="BluetoothViewStep1Description">
        <source>Press and hold the Bluetooth button on the speakerphone until the light flashes blue.</source>
        <translation>ランプが青く点滅するまで、スピーカーフォンの Bluetooth ボタンを長押しします。</translation>
    </message>
    <message id="BluetoothViewStep1Title">
        <source>1. Start pairing</source>
        <translation>1. ペアリングを開始</translation>
    </message>
    <message id="BluetoothViewStep2Title">
        <source>2. Choose “Lumatix U” in the Bluetooth settings of your computer</source>
        <translation>2. コンピューターの Bluetooth 設定で「Lumatix U」を選択</translation>
    </message>
    <message id="BluetoothViewStep3Description">
        <source>The light stays blue. This window then shows the audio modes.</source>
        <translation>ランプが青く点灯したら接続完了です。このウィンドウにモードが表示されます。</translation>
    </message>
    <message id="BluetoothViewStep3Title">
        <source>3. Connected</source>
        <translation>3. 接続完了</translation>
    </message>
    <message id="BluetoothViewTitle">
        <source>Connect your Lumatix U</source>
        <translation>Lumatix U を接続してください</translation>
    </message>
    <message id="CancelButtonTitle">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="CheckOTATitle">
        <source>Checking for updates…</source>
        <translation>アップデートを確認しています…</translation>
    </message>
    <message id="CheckOTAViewTitle">
        <source>Software Update</source>
        <translation>ソフトウェアアップデート</translation>
    </message>
    <message id="DownloadOTADescription">
        <source>It is saved to your Downloads folder, then the assistant closes.</source>
        <translation>「ダウンロード」フォルダーに保存し、完了後にアシスタントを終了します。</translation>
    </message>
    <message id="DownloadOTATitle">
        <source>Downloading the update…</source>
        <translation>アップデートをダウンロード中…</translation>
    </message>
    <message id="DownloadOTAViewTitle">
        <source>Downloading Update</source>
        <translation>アップデートのダウンロード</translation>
    </message>
    <message id="EULAAgreeButtonTitle">
        <source>Agree</source>
        <translation>同意する</translation>
    </message>
    <message id="EULADisagreeButtonTitle">
        <source>Disagree</source>
        <translation>同意しない</translation>
    </message>
    <message id="EULATitle">
        <source>End User License Agreement</source>
        <translation>使用許諾契約</translation>
    </message>
    <message id="EULAUnavailableDescription">
        <source>The licence agreement could not be loaded. Reinstalling the assistant restores it.</source>
        <translation>使用許諾契約を読み込めませんでした。アシスタントを再インストールすると元に戻ります。</translation>
    </message>
    <message id="InfoQRCodeButtonTitle">
        <source>Mobile App</source>
        <translation>モバイルアプリ</translation>
    </message>
    <message id="InfoSupportAppButtonTitle">
        <source>Compatibility</source>
        <translation>対応アプリ</translation>
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
        <translation>デスクトップアプリ</translation>
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
        <translation>対応している会議アプリ</translation>
    </message>
    <message id="InfoSupportAppWebDescription">
        <source>In the browser</source>
        <translation>ブラウザー版</translation>
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
        <translation>ユーザーガイド</translation>
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
        <translation>情報</translation>
    </message>
    <message id="LoginItemDescription">
        <source>Let the assistant start when you log in, so your speakerphone is set up and ready whenever you need it.</source>
        <translation>ログイン時にアシスタントを起動すると、スピーカーフォンをいつでもすぐに使えます。</translation>
    </message>
    <message id="LoginItemOpenSettingButtonTitle">
        <source>Turn On Start at Login</source>
        <translation>ログイン時の起動をオンにする</translation>
    </message>
    <message id="LoginItemSkipButtonTitle">
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message id="LoginItemTitle">
        <source>Start at Login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message id="LoginItemTurnOffButtonTitle">
        <source>Turn Off Start at Login</source>
        <translation>ログイン時の起動をオフにする</translation>
    </message>
    <message id="MenuItemExit">
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message id="MenuItemInfo">
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message id="MenuItemMeetingMode">
        <source>Meeting Mode</source>
        <translation>会議モード</translation>
    </message>
    <message id="MenuItemMusicMode">
        <source>Music Mode</source>
        <translation>音楽モード</translation>
    </message>
    <message id="MenuItemOpenApp">
        <source>Open Assistant</source>
        <translation>アシスタントを開く</translation>
    </message>
    <message id="MenuItemOpenBT">
        <source>Bluetooth Settings</source>
        <translation>Bluetooth 設定</translation>
    </message>
    <message id="MenuItemSetting">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="MicPermissionDescription">
        <source>The assistant needs access to the microphone to set up your speakerphone. Allow it in the privacy settings, then start the assistant again.</source>
        <translation>スピーカーフォンを設定するには、マイクへのアクセスが必要です。プライバシー設定で許可してから、アシスタントを再起動してください。</translation>
    </message>
    <message id="MicPermissionOpenSettingButtonTitle">
        <source>Open Privacy Settings</source>
        <translation>プライバシー設定を開く</translation>
    </message>
    <message id="MicPermissionTitle">
        <source>Allow Microphone Access</source>
        <translation>マイクへのアクセスを許可</translation>
    </message>
    <message id="ModeViewDescription">
        <source>Choose how you want to use your speakerphone.</source>
        <translation>スピーカーフォンの使い方を選んでください。</translation>
    </message>
    <message id="ModeViewMeetingDescription">
        <source>Calls and online meetings: the speakerphone is your speaker and your microphone.</source>
        <translation>通話やオンライン会議に。スピーカーフォンをスピーカーとマイクの両方に使います。</translation>
    </message>
    <message id="ModeViewMeetingTitle">
        <source>Meeting Mode</source>
        <translation>会議モード</translation>
    </message>
    <message id="ModeViewMusicDescription">
        <source>Music and videos: sound plays on the speakerphone, and the computer keeps its own microphone.</source>
        <translation>音楽や動画に。音はスピーカーフォンから流れ、マイクはコンピューターのものを使います。</translation>
    </message>
    <message id="ModeViewMusicTitle">
        <source>Music Mode</source>
        <translation>音楽モード</translation>
    </message>
    <message id="ModeViewTitle">
        <source>%1 is connected</source>
        <translation>%1 が接続されています</translation>
    </message>
    <message id="NoNeedOTAViewUpdateTitle">
        <source>You are using the latest version.</source>
        <translation>最新のバージョンを使用しています。</translation>
    </message>
    <message id="OTAViewCloseButtonTitle">
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message id="OTAViewDownloadButtonTitle">
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message id="OTAViewForcedUpdateTitle">
        <source>A required update is available. Please install it to continue.</source>
        <translation>必須のアップデートがあります。続けて使うにはインストールしてください。</translation>
    </message>
    <message id="OTAViewSkipButtonTitle">
        <source>Not Now</source>
        <translation>後で</translation>
    </message>
    <message id="OTAViewTitle">
        <source>Software Update</source>
        <translation>ソフトウェアアップデート</translation>
    </message>
    <message id="OTAViewUpdateTitle">
        <source>A new version is available. Download it now?</source>
        <translation>新しいバージョンがあります。今すぐダウンロードしますか？</translation>
    </message>
    <message id="PrivacyAlertCancelButton">
        <source>Don’t Share</source>
        <translation>共有しない</translation>
    </message>
    <message id="PrivacyAlertConfirmButton">
        <source>Agree</source>
        <translation>同意する</translation>
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
        <translation>Lumatix 接続アシスタントは、匿名の利用データを Lumatix に送信できます。どの機能がどのコンピューターで使われているかを知ることで、問題を修正し、アシスタントと Lumatix U スピーカーフォンを改善するためのものです。

同意いただいた場合に送信されるのは次の情報です。
• インストール ID：アシスタントの設定時に作られる乱数で、お名前、アカウント、スピーカーフォンとは結び付きません
• アシスタントのバージョン
• コンピューターの機種
• アシスタントが動作しているプラットフォーム（OS）
• 会議モードと音楽モードの切り替え
• 「情報」ウィンドウの各ページを開いたこと
• 同意後にアシスタントを初めて起動したこと

お名前、メールアドレス、連絡先、ファイル、録音、通話の音声、会議の内容が送信されることはありません。

データは地域に応じて、中国本土の分析サーバー、またはそれ以外の地域向けの分析サーバーに送信されます。データは集計した形でアシスタントの利用状況の統計にのみ使用し、販売したり広告に利用したりすることはありません。

同意いただかない限り、データは一切送信されません。同意しなくても、アシスタントの機能は変わりません。この選択は「設定 &gt; プライバシー」でいつでも変更できます。

同意するには、この文章を最後までスクロールしてください。</translation>
    </message>
    <message id="PrivacyDescription">
        <source>Help us improve the assistant by sharing anonymous usage data.</source>
        <translation>匿名の利用データを共有して、アシスタントの改善にご協力ください。</translation>
    </message>
    <message id="PrivacyTitle">
        <source>Help Us Improve</source>
        <translation>改善へのご協力のお願い</translation>
    </message>
    <message id="SettingCheckUpdateButtonTitle">
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message id="SettingPreferenceBTConnect">
        <source>Connected: %1</source>
        <translation>接続中：%1</translation>
    </message>
    <message id="SettingPreferenceBTDisconnect">
        <source>Not connected</source>
        <translation>未接続</translation>
    </message>
    <message id="SettingPreferenceBTTitle">
        <source>Speakerphone connection</source>
        <translation>スピーカーフォンの接続</translation>
    </message>
    <message id="SettingPreferenceButtonTitle">
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message id="SettingPreferenceLoginDisable">
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message id="SettingPreferenceLoginEnable">
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message id="SettingPreferenceLoginTitle">
        <source>Start at login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message id="SettingPrivacyAgreeTitle">
        <source>Sharing anonymous usage data</source>
        <translation>匿名の利用データを共有中</translation>
    </message>
    <message id="SettingPrivacyButtonTitle">
        <source>Privacy</source>
        <translation>プライバシー</translation>
    </message>
    <message id="SettingPrivacyDisagreeTitle">
        <source>Not sharing usage data</source>
        <translation>利用データを共有しない</translation>
    </message>
    <message id="SettingPrivacyTitle">
        <source>Privacy</source>
        <translation>プライバシー</translation>
    </message>
    <message id="SettingQRCodeAndroidCNTitle">
        <source>Android (China)</source>
        <translation>Android (中国本土)</translation>
    </message>
    <message id="SettingQRCodeAndroidTitle">
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message id="SettingQRCodeiOSTitle">
        <source>iPhone and iPad</source>
        <translation>iPhone / iPad</translation>
    </message>
    <message id="SettingUpdateButtonTitle">
        <source>Updates</source>
        <translation>アップデート</translation>
    </message>
    <message id="SettingUpdateDescription">
        <source>Last checked: %1</source>
        <translation>最終確認：%1</translation>
    </message>
    <message id="SettingUpdateTitle">
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message id="SettingViewTitle">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="ToastMeetingTitle">
        <source>Meeting mode is on</source>
        <translation>会議モードに切り替えました</translation>
    </message>
    <message id="ToastMusicTitle">
        <source>Music mode is on</source>
        <translation>音楽モードに切り替えました</translation>
    </message>
    <message id="appTitle">
        <source>Lumatix Connection Assistant %1</source>
        <translation>Lumatix 接続アシスタント %1</translation>
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
        <translation>Lumatix 接続アシスタントは、匿名の利用データを Lumatix に送信できます。どの機能がどのコンピューターで使われているかを知ることで、問題を修正し、アシスタントと Lumatix U スピーカーフォンを改善するためのものです。

同意いただいた場合に送信されるのは次の情報です。
• インストール ID：アシスタントの設定時に作られる乱数で、お名前、アカウント、スピーカーフォンとは結び付きません
• アシスタントのバージョン
• コンピューターの機種
• アシスタントが動作しているプラットフォーム（OS）
• 会議モードと音楽モードの切り替え
• 「情報」ウィンドウの各ページを開いたこと
• 同意後にアシスタントを初めて起動したこと

お名前、メールアドレス、連絡先、ファイル、録音、通話の音声、会議の内容が送信されることはありません。

データは地域に応じて、中国本土の分析サーバー、またはそれ以外の地域向けの分析サーバーに送信されます。データは集計した形でアシスタントの利用状況の統計にのみ使用し、販売したり広告に利用したりすることはありません。

同意いただかない限り、データは一切送信されません。同意しなくても、アシスタントの機能は変わりません。この選択は下のスイッチでいつでも変更できます。</translation>
    </message>
    <message id="LoginItemFailedDescription">
        <source>The assistant could not turn on launch at login: its startup entry could not be written. You can skip this step and try again later in Settings.</source>
        <translation>ログイン時の起動をオンにできませんでした。自動起動の項目を書き込めませんでした。この手順をスキップして、後で「設定」からもう一度お試しください。</translation>
    </message>
    <message id="FollowCallsMeetingNotice">
        <source>Meeting mode is on: %1 is using the microphone</source>
        <translation>会議モードに切り替えました：%1 がマイクを使用しています</translation>
    </message>
    <message id="FollowCallsMusicNotice">
        <source>Music mode is back on</source>
        <translation>音楽モードに戻しました</translation>
    </message>
    <message id="FollowCallsTurnOffButtonTitle">
        <source>Turn Off</source>
        <translation>オフにする</translation>
    </message>
    <message id="FollowCallsTurnOnButtonTitle">
        <source>Turn On</source>
        <translation>オンにする</translation>
    </message>
    <message id="SettingPreferenceFollowCallsOff">
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message id="SettingPreferenceFollowCallsOn">
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message id="SettingPreferenceFollowCallsTitle">
        <source>Switch to Meeting mode during calls</source>
        <translation>通話中は会議モードに切り替える</translation>
    </message>
    <message id="AccessibleFollowCallsOn">
        <source>Switch to Meeting mode during calls: on</source>
        <translation>通話中は会議モードに切り替える：オン</translation>
    </message>
    <message id="AccessibleFollowCallsOff">
        <source>Switch to Meeting mode during calls: off</source>
        <translation>通話中は会議モードに切り替える：オフ</translation>
    </message>
    <message id="ModeViewInUse">
        <source>In use</source>
        <translation>使用中</translation>
    </message>
</context>
</TS>
