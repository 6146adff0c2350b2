#include "analytics/Analytics.h"

// Events are recorded once the tracker client exists; until then they go nowhere.
void Analytics::sendLaunchEvent() {}
void Analytics::sendModeEvent(const std::string& /*name*/) {}
void Analytics::sendMoreInfoEvent(const std::string& /*name*/) {}
