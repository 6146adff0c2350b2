#include "update/CheckOTAViewController.h"

#include "app/LogLines.h"
#include "app/NotificationNames.h"
#include "platform/Log.h"
#include "platform/MainQueue.h"
#include "platform/NotificationCenter.h"
#include "platform/Reachability.h"
#include "region/AppUtility.h"
#include "ui/Button.h"
#include "ui/TextView.h"
#include "update/NetworkManger.h"
#include "update/OTAViewController.h"
#include "update/UpdateFlowState.h"

#include <QLabel>
#include <QPointer>
#include <QWidget>

namespace {

std::function<void()> regionLookup;
NetworkManger* updateClientOverride = nullptr;

} // namespace

CheckOTAViewController::CheckOTAViewController()
    : UpdateScreenViewController(LocalizedKey::CheckOTAViewTitle, false) {}

CheckOTAViewController::~CheckOTAViewController() = default;

void CheckOTAViewController::setRegionLookup(std::function<void()> lookup) {
    regionLookup = std::move(lookup);
}

void CheckOTAViewController::setUpdateClient(NetworkManger* client) {
    updateClientOverride = client;
}

NetworkManger& CheckOTAViewController::updateClient() {
    return updateClientOverride != nullptr ? *updateClientOverride : NetworkManger::shared();
}

void CheckOTAViewController::viewDidLoad() {
    QWidget* root = view();
    otaImage_ = makePicture(root, ImageAsset::img_version_new);
    otaTitleText_ = makeTitleText(root, LocalizedKey::CheckOTATitle);
    cancelButton_ = makeButton(root, LocalizedKey::CancelButtonTitle, false);
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
    reachability_ = std::make_unique<platform::Reachability>();
    platform::Reachability* monitor = reachability_.get();
    reachability_->whenReachable = [monitor] {
        monitor->stopNotifier();
        if (regionLookup) {
            regionLookup();
        } else {
            AppUtility::requestRegion();
        }
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
    updateClient().checkUpdate();
}

void CheckOTAViewController::checkOTADoneWithNotification() {
    if (updateClient().newVersionUrl.empty()) {
        finishWithoutUpdate();
    } else if (pendingUpdateScreen == 1) {
        pendingUpdateScreen = 2;
        closeUpdateWindow();
    } else {
        showNextScreen(std::make_unique<OTAViewController>());
    }
}

void CheckOTAViewController::didCancelClick() {
    finishWithoutUpdate();
}

void CheckOTAViewController::finishWithoutUpdate() {
    if (pendingUpdateScreen == 1) {
        pendingUpdateScreen = 4;
        closeUpdateWindow();
    } else {
        leaveUpdateFlow();
    }
}
