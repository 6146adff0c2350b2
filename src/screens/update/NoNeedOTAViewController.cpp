#include "screens/update/NoNeedOTAViewController.h"

#include "ui/Button.h"
#include "ui/TextView.h"

#include <QLabel>
#include <QWidget>

NoNeedOTAViewController::NoNeedOTAViewController()
    : UpdateScreenViewController(LocalizedKey::OTAViewTitle, Placement::alwaysModal) {}

NoNeedOTAViewController::~NoNeedOTAViewController() = default;

void NoNeedOTAViewController::viewDidLoad() {
    QWidget* root = view();
    checkImage_ = makePicture(root, ImageAsset::img_version_updated);
    checkTitleText_ = makeTitleText(root, LocalizedKey::NoNeedOTAViewUpdateTitle);
    confirmButton_ = makeButton(root, LocalizedKey::OTAViewCloseButtonTitle, ButtonStyle::primary);
    confirmButton_->setFixedSize(buttonSize);
    connect(confirmButton_, &Button::clicked, this, [this] { didConfirmClick(); });
    startLayout();
}

void NoNeedOTAViewController::layoutElements(QSize viewSize) {
    const int width = viewSize.width();
    checkImage_->move((width - pictureSide) / 2, pictureTop);
    checkTitleText_->setGeometry(titleInset, pictureTop + pictureSide + titleGap,
                                 width - 2 * titleInset, titleHeight);
    confirmButton_->move((width - buttonSize.width()) / 2,
                         viewSize.height() - buttonBottom - buttonSize.height());
}

void NoNeedOTAViewController::didConfirmClick() {
    report(ScreenEvent::upToDateClosed);
}
