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

// HTTP: a failed transfer, followed by the address, ": " and the reason; a body that is not
// JSON, followed by the address.
inline constexpr std::string_view httpFailedPrefix = "request failed: ";
inline constexpr std::string_view httpNotJsonPrefix = "reply is not JSON: ";
// Region lookup: the address without its key, this separator, then what came back.
inline constexpr std::string_view regionResponseSeparator = " response data: ";
inline constexpr std::string_view regionResponseEmpty = "empty";
inline constexpr std::string_view regionResponseReceived = "received";
inline constexpr std::string_view regionResponseWithoutCountry = "no country code";
inline constexpr std::string_view countryCodePrefix = "countryCode = ";
// Update check: the two request addresses, the offered name and the forced reply ("nil" when
// nothing was decoded).
inline constexpr std::string_view updateUrlPrefix = "url = ";
inline constexpr std::string_view forcedUpdateUrlPrefix = "url cn = ";
inline constexpr std::string_view newVersionNamePrefix = "newVersionName = ";
inline constexpr std::string_view noReplyValue = "nil";
// A build version that yields no version code, followed by the version in quotes.
inline constexpr std::string_view noVersionCodePrefix = "no version code for version ";

// The Mode screen and the pairing guide.
inline constexpr std::string_view settingButtonClick = "didSettingButtonClick";
inline constexpr std::string_view infoButtonClick = "didInfoButtonClick";
inline constexpr std::string_view openBluetoothClick = "didOpenBluetoothClick";
inline constexpr std::string_view viewDidDisappear = "viewDidDisappear";
inline constexpr std::string_view dismissViewController = "dismiss viewController";
// The pairing animation, followed by the file's path.
inline constexpr std::string_view animationMissingPrefix = "animation file missing: ";
inline constexpr std::string_view animationInvalidPrefix =
    "animation file is not a Lottie animation: ";

// The Settings window; the consent switch's line ends with its new state (1 on, 0 off).
inline constexpr std::string_view categoryButtonClick = "didCategoryButtonClick";
inline constexpr std::string_view loginSettingClick = "didLoginSettingClick";
inline constexpr std::string_view btSettingClick = "didBTSettingClick";
inline constexpr std::string_view checkUpdateClick = "didCheckUpdateClick";
inline constexpr std::string_view checkButtonClickPrefix = "didCheckButtonClick ";
// The Information window's user-guide links.
inline constexpr std::string_view userGuideButtonClick = "didUserGuideButtonClick";

// The update check.
inline constexpr std::string_view notReachable = "Not reachable";
inline constexpr std::string_view notifierNotStarted = "Unable to start notifier";
// The first-run screens.
inline constexpr std::string_view agreeClick = "didAgreeClick";
inline constexpr std::string_view cancelClick = "didCancelClick";
inline constexpr std::string_view openSettingClick = "didOpenSettingClick";
inline constexpr std::string_view defaultBrowserOpened = "default browser was successfully opened";
// The licence document that could not be shown, followed by its path and the reason.
inline constexpr std::string_view agreementUnreadablePrefix = "licence agreement unreadable: ";

inline constexpr std::string_view presentedStepEnded =
    "update window closed: it no longer belongs to the main window's screen";
// A screen the flow would go to that this build does not have yet, followed by its name.
inline constexpr std::string_view screenNotAvailablePrefix = "screen not available yet: ";

} // namespace log_lines
