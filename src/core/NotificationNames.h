#pragma once

#include <string>

// Names posted on the default notification center, without object or payload.
namespace notification_names {

inline const std::string checkStatus = "checkStatus";
inline const std::string openSetting = "openSetting";
inline const std::string openInfo = "openInfo";
inline const std::string getRegion = "getRegion";
inline const std::string checkOTADown = "CheckOTADown";

} // namespace notification_names
