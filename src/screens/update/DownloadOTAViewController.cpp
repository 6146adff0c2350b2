#include "screens/update/DownloadOTAViewController.h"

#include "core/ProcessState.h"
#include "net/DownloadRequest.h"
#include "platform/FileManager.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/Timer.h"
#include "ui/Accessibility.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/TextView.h"
#include "update/DownloadFileName.h"

#include <QPointer>
#include <QProgressBar>
#include <QWidget>

namespace {

constexpr int progressSteps = 1000;

} // namespace

DownloadOTAViewController::DownloadOTAViewController(Services services)
    : UpdateScreenViewController(LocalizedKey::OTAViewTitle, Placement::launchStepOrModal),
      services_(std::move(services)) {}

DownloadOTAViewController::~DownloadOTAViewController() {
    if (request_) {
        request_->cancel();
    }
}

void DownloadOTAViewController::viewDidLoad() {
    QWidget* root = view();
    downloadTitleText_ = makeTitleText(root, LocalizedKey::DownloadOTATitle);
    downloadTitleText_->setPixelFont(titleFontSize, TextView::bold);
    progressIndicator_ = new QProgressBar(root);
    progressIndicator_->setRange(0, progressSteps);
    progressIndicator_->setValue(0);
    progressIndicator_->setTextVisible(false);
    Accessibility::setName(progressIndicator_, AccessibleKey::DownloadProgress);
    downloadDescriptionText_ = makeTitleText(root, LocalizedKey::DownloadOTADescription);
    downloadDescriptionText_->setPixelFont(14);
    startLayout();
    startDownload();
}

void DownloadOTAViewController::layoutElements(QSize viewSize) {
    const int width = viewSize.width();
    downloadTitleText_->setGeometry(sideInset, titleTop, width - 2 * sideInset, titleHeight);
    progressIndicator_->setGeometry(progressInset, titleTop + titleHeight + progressGap,
                                    width - 2 * progressInset,
                                    progressIndicator_->sizeHint().height());
    downloadDescriptionText_->setGeometry(sideInset,
                                          viewSize.height() - descriptionBottom - descriptionHeight,
                                          width - 2 * sideInset, descriptionHeight);
}

void DownloadOTAViewController::startDownload() {
    // Fetched exactly as sent: undoing escapes would change a signed link.
    const std::string& link = services_.link;
    downloadTimer_ = platform::Timer::scheduled(
        services_.watchdogInterval, platform::Timer::repeating, [this] { downloadFailed(); });
    isDownloadProgress_ = false;
    if (services_.client == nullptr) {
        downloadEnded({.error = "nowhere to download from"});
        return;
    }
    destination_ = platform::Platform::fileManager().downloadsFolder() /
                   DownloadFileName::make(services_.versionName, link);
    request_ = services_.client->download(link, destination_);
    request_->expectSha256(services_.sha256)
        .alternativeNames(
            [folder = destination_.parent_path(), version = services_.versionName, link](int copy) {
                return folder / DownloadFileName::make(version, link, copy);
            });
    QPointer self(this);
    request_->downloadProgress([self](double fraction) {
        if (!self.isNull()) {
            self->isDownloadProgress_ = true;
            self->progressIndicator_->setValue(static_cast<int>(fraction * progressSteps));
        }
    });
    request_->response([self](const net::DownloadResponse& response) {
        if (!self.isNull()) {
            self->downloadEnded(response);
        }
    });
}

void DownloadOTAViewController::downloadFailed() {
    if (!isDownloadProgress_) {
        platform::Log::line("download stalled: no data for " +
                            std::to_string(services_.watchdogInterval.count()) + " ms");
        if (request_) {
            request_->cancel();
        }
        return;
    }
    isDownloadProgress_ = false;
}

// Whatever the outcome, the application ends here; only a written file is shown.
void DownloadOTAViewController::downloadEnded(const net::DownloadResponse& response) {
    isDownloadProgress_ = false;
    downloadTimer_.reset();
    request_.reset();
    if (response.error) {
        platform::Log::line("download failed: " + *response.error);
    } else if (response.destinationURL) {
        platform::Platform::fileManager().revealFile(*response.destinationURL);
    }
    report(ScreenEvent::quitRequested);
}

bool DownloadOTAViewController::windowShouldClose(Window* window) {
    if (request_) {
        request_->cancel();
    }
    return UpdateScreenViewController::windowShouldClose(window);
}
