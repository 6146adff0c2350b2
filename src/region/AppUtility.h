#pragma once

#include <QDateTime>
#include <functional>
#include <string>

// Facts about the application and the machine.
class AppUtility {
public:
    // The build version, or the empty text when the bundle has none.
    [[nodiscard]] static std::string getVersion();

    // Installation identifier: a 17-digit local time stamp (week-based year first) and a
    // zero-padded random number from 0 to 9998.
    [[nodiscard]] static std::string makeDeviceUniqueID();
    [[nodiscard]] static std::string makeDeviceUniqueID(const QDateTime& now, int randomNumber);
};
