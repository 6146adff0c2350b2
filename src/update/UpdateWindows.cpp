#include "update/UpdateWindows.h"

#include "app/LogLines.h"
#include "platform/Log.h"
#include "ui/ViewController.h"
#include "update/CheckOTAViewController.h"
#include "update/NoNeedOTAViewController.h"
#include "update/OTAViewController.h"

#include <string>

std::unique_ptr<ViewController> UpdateWindows::make(std::uint8_t screen) {
    switch (screen) {
    case 1:
        return std::make_unique<CheckOTAViewController>();
    case 2:
        return std::make_unique<OTAViewController>();
    case 3:
        // The download window comes later; the presenter then leaves the update flow.
        platform::Log::line(std::string(log_lines::screenNotAvailablePrefix) +
                            "DownloadOTAViewController");
        return nullptr;
    case 4:
        return std::make_unique<NoNeedOTAViewController>();
    default:
        return nullptr;
    }
}
