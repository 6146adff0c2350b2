#include "region/AppUtility.h"

#include "platform/Bundle.h"
#include "platform/Platform.h"

#include <QRandomGenerator>
#include <cstdio>

std::string AppUtility::getVersion() {
    return platform::Platform::bundle().infoString("CFBundleVersion").value_or(std::string());
}

std::string AppUtility::makeDeviceUniqueID() {
    // 9999 possible values: the random part never reads 9999.
    const int randomNumber = static_cast<int>(QRandomGenerator::global()->bounded(9999));
    return makeDeviceUniqueID(QDateTime::currentDateTime(), randomNumber);
}

std::string AppUtility::makeDeviceUniqueID(const QDateTime& now, int randomNumber) {
    // The year is the ISO week-based one, which differs from the calendar year around
    // New Year; identifiers made elsewhere use that pattern too.
    int weekYear = 0;
    now.date().weekNumber(&weekYear);
    char year[16];
    std::snprintf(year, sizeof year, "%04d", weekYear);
    char random[16];
    std::snprintf(random, sizeof random, "%04d", randomNumber);
    return std::string(year) + now.toString("MMddHHmmsszzz").toStdString() + random;
}
