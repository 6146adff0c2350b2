#pragma once

#include "screens/update/UpdateScreenViewController.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

class QProgressBar;
class TextView;
namespace net {
class DownloadRequest;
class HttpClient;
struct DownloadResponse;
} // namespace net
namespace platform {
class Timer;
}

// Downloads the offered version into the user's Downloads folder with a progress bar, gives up
// on a transfer that stalls, shows the finished file in the file manager and quits: whatever
// happens, the application ends here (closing the window cancels the transfer).
class DownloadOTAViewController : public UpdateScreenViewController {
    Q_OBJECT

public:
    struct Services {
        net::HttpClient* client = nullptr;
        std::string link;        // as the update server sent it (percent-encoded)
        std::string versionName; // empty when only a forced update was offered
        std::string sha256;      // the package's, when the server sent one
        std::chrono::milliseconds watchdogInterval{30000};
    };

    static constexpr int titleTop = 96;
    static constexpr int sideInset = 24;
    static constexpr int titleHeight = 21;
    static constexpr int progressGap = 16;
    static constexpr int progressInset = 70;
    static constexpr int descriptionBottom = 77;
    static constexpr int descriptionHeight = 38;

    explicit DownloadOTAViewController(Services services);
    ~DownloadOTAViewController() override;

    // The watchdog: a whole interval without progress cancels the transfer.
    void downloadFailed();
    bool windowShouldClose(Window* window) override;

    [[nodiscard]] QProgressBar* progressIndicator() const { return progressIndicator_; }
    [[nodiscard]] const std::filesystem::path& destination() const { return destination_; }

protected:
    void viewDidLoad() override;
    void layoutElements(QSize viewSize) override;

private:
    void startDownload();
    void downloadEnded(const net::DownloadResponse& response);

    Services services_;
    TextView* downloadTitleText_ = nullptr;
    QProgressBar* progressIndicator_ = nullptr;
    TextView* downloadDescriptionText_ = nullptr;
    std::unique_ptr<platform::Timer> downloadTimer_;
    std::shared_ptr<net::DownloadRequest> request_;
    std::filesystem::path destination_;
    bool isDownloadProgress_ = false;
};
