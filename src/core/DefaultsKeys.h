#pragma once

#include <string>

// Keys of the user-defaults store and of the bundled UserDefault.plist. Stored files rely on
// the exact spelling.
namespace defaults_keys {

inline const std::string isFirstLaunch = "isFirstLaunch";
inline const std::string checkPrivacyStatus = "CheckPrivacyStatus";
inline const std::string eulaStatus = "EULAStatus";
inline const std::string deviceUniqueID = "DeviceUniqueID";
inline const std::string lastCheckOTADate = "lastCheckOTADate";

// The bundled resource that marks a fresh installation.
inline const std::string userDefaultPlistName = "UserDefault";
inline const std::string userDefaultPlistExtension = "plist";

} // namespace defaults_keys
