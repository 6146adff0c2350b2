#include "screens/update/CheckOTAViewController.h"

#include "core/LogLines.h"
#include "core/NotificationNames.h"
#include "platform/Log.h"
#include "platform/MainQueue.h"
#include "platform/NotificationCenter.h"
#include "platform/Reachability.h"
#include "region/AppUtility.h"
#include "ui/Button.h"
#include "ui/TextView.h"
#include "update/NetworkManger.h"

#include <QLabel>
#include <QPointer>
#include <QWidget>

CheckOTAViewController::CheckOTAViewController(Services services)
    : UpdateScreenViewController(LocalizedKey::CheckOTAViewTitle, Placement::launchStepOrModal),
      services_(std::move(services)) {}

CheckOTAViewController::~CheckOTAViewController() = default;

void CheckOTAViewController::viewDidLoad() {
    QWidget* root = view();
    otaImage_ = makePicture(root, ImageAsset::img_version_new);
    otaTitleText_ = makeTitleText(root, LocalizedKey::CheckOTATitle);
    cancelButton_ = makeButton(root, LocalizedKey::CancelButtonTitle, ButtonStyle::secondary);
    cancelButton_->setFixedSize(cancelButtonSize);
    connect(cancelButton_, &Button::clicked, this, [this] { didCancelClick(); });
    startLayout();
}

void CheckOTAViewController::layoutElements(QSize viewSize) {
    const int width = viewSize.width();
    otaImage_->move((width - pictureSide) / 2, pictureTop);
    otaTitleText_->setGeometry(titleInset, pictureTop + pictureSide + titleGap,
                               width - 2 * titleInset, titleHeight);
    cancelButton_->move((width - cancelButtonSize.width()) / 2,
                        viewSize.height() - buttonBottom - cancelButtonSize.height());
}

void CheckOTAViewController::viewDidAppear() {
    UpdateScreenViewController::viewDidAppear();
    auto& center = platform::NotificationCenter::defaultCenter();
    // Showing the window again must not double the observers.
    center.removeObserver(this);
    center.addObserver(this, notification_names::getRegion,
                       [this] { getRegionWithNotification(); });
    center.addObserver(this, notification_names::checkOTADown,
                       [this] { checkOTADoneWithNotification(); });
    startReachability();
    AppUtility::saveLastCheckOTADate();
}

void CheckOTAViewController::viewDidDisappear() {
    // A report arriving after the screen left would end a flow that is already over.
    if (reachability_) {
        reachability_->stopNotifier();
    }
    UpdateScreenViewController::viewDidDisappear();
}

void CheckOTAViewController::startReachability() {
    reachability_ = services_.makeReachability();
    platform::Reachability* monitor = reachability_.get();
    reachability_->whenReachable = [this, monitor] {
        monitor->stopNotifier();
        services_.requestRegion();
    };
    reachability_->whenUnreachable = [this, monitor] {
        platform::Log::line(log_lines::notReachable);
        monitor->stopNotifier();
        finishWithoutUpdate();
    };
    if (!reachability_->startNotifier()) {
        platform::Log::line(log_lines::notifierNotStarted);
        // Not from inside viewDidAppear: the window must be fully shown before it can close.
        platform::MainQueue::async([self = QPointer(this)] {
            if (!self.isNull() && self->isAppeared()) {
                self->finishWithoutUpdate();
            }
        });
    }
}

void CheckOTAViewController::getRegionWithNotification() {
    services_.updateClient->checkUpdate();
}

void CheckOTAViewController::checkOTADoneWithNotification() {
    if (services_.updateClient->newVersionUrl.empty()) {
        finishWithoutUpdate();
    } else {
        showNextScreen(ScreenEvent::newVersionFound);
    }
}

void CheckOTAViewController::didCancelClick() {
    finishWithoutUpdate();
}

void CheckOTAViewController::finishWithoutUpdate() {
    showNextScreen(ScreenEvent::checkEndedWithoutOffer);
}
