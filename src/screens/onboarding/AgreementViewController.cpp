#include "screens/onboarding/AgreementViewController.h"

#include "platform/MainQueue.h"
#include "ui/Accessibility.h"
#include "ui/Button.h"
#include "ui/ButtonStyle.h"
#include "ui/FocusRing.h"
#include "ui/Palette.h"
#include "ui/TextView.h"

#include <QFrame>
#include <QPointer>
#include <QScrollBar>

AgreementViewController::AgreementViewController(Texts texts)
    : OnboardingViewController(Dressing::dressesMainWindow), texts_(texts) {}

bool AgreementViewController::showsEnd(int visibleTop, int visibleHeight, int documentHeight) {
    return documentHeight <= visibleHeight || visibleTop + visibleHeight == documentHeight;
}

void AgreementViewController::viewDidLoad() {
    QWidget* root = view();
    titleText_ = makeTitle(root, texts_.title);

    panel_ = new QFrame(root);
    panel_->setObjectName(QStringLiteral("agreementPanel"));
    panel_->setStyleSheet(QStringLiteral("QFrame#agreementPanel { background: white; border: 1px "
                                         "solid %1; border-radius: %2px; }")
                              .arg(colorStandardGrey().name())
                              .arg(panelCornerRadius));
    panel_->setFixedSize(panelSize);

    contentText_ = new TextView(panel_);
    contentText_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Readable to the end from the keyboard too (Page Down, Space, End).
    contentText_->setFocusPolicy(Qt::StrongFocus);
    // Focused for reading, not for typing: no text cursor.
    contentText_->setCursorWidth(0);
    FocusRing::attach(contentText_);
    Accessibility::setName(contentText_, texts_.content, AccessibleKey::ReadToEndDescription);
    contentText_->setGeometry(contentInset, contentInset, panelSize.width() - 2 * contentInset,
                              panelSize.height() - 2 * contentInset);
    // The scroll position and the document's height are the visible area's bounds.
    QScrollBar* scroller = contentText_->verticalScrollBar();
    // The text view's clear background would otherwise leave a bare, boxy scroll bar.
    scroller->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: transparent; width: 8px; margin: 0; }"
        "QScrollBar::handle:vertical { background: #c8c8c8; border-radius: 4px; min-height: 24px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    connect(scroller, &QScrollBar::valueChanged, this, [this] { contentViewDidChangeBounds(); });
    connect(scroller, &QScrollBar::rangeChanged, this, [this] { contentViewDidChangeBounds(); });

    agreeButton_ = makeButton(root, texts_.agree, ButtonStyle::secondary);
    ButtonStyle::styleDisabledLarge(agreeButton_);
    agreeButton_->setEnabled(false);
    connect(agreeButton_, &Button::clicked, this,
            [this] { answerOnce(&AgreementViewController::didAgreeClick); });
    cancelButton_ = makeButton(root, texts_.cancel, ButtonStyle::secondary);
    connect(cancelButton_, &Button::clicked, this,
            [this] { answerOnce(&AgreementViewController::didCancelClick); });

    startLayout();
    agreeable_ = loadContent(contentText_);
}

void AgreementViewController::answerOnce(void (AgreementViewController::*answer)()) {
    if (answered_) {
        return;
    }
    answered_ = true;
    (this->*answer)();
}

void AgreementViewController::layoutElements(QSize viewSize) {
    placeTitle(titleText_, viewSize);
    panel_->move((viewSize.width() - panelSize.width()) / 2, titleTop + titleHeight + panelTopGap);
    placeButtonPair(cancelButton_, agreeButton_, viewSize);
}

void AgreementViewController::viewDidAppear() {
    OnboardingViewController::viewDidAppear();
    contentViewDidChangeBounds();
}

void AgreementViewController::contentViewDidChangeBounds() {
    // Once on, the button stays on: later scrolling has nothing to decide. Without a document
    // there is nothing to agree to.
    if (agreeButton_->isEnabled() || !agreeable_) {
        return;
    }
    const QScrollBar* scroller = contentText_->verticalScrollBar();
    const int visibleHeight = contentText_->viewport()->height();
    // A scroll bar's range ends where the last visible line is the document's last one.
    const int documentHeight = scroller->maximum() + visibleHeight;
    if (showsEnd(scroller->value(), visibleHeight, documentHeight)) {
        platform::MainQueue::async([self = QPointer(this)] {
            if (!self.isNull()) {
                self->enableAgreeButton();
            }
        });
    }
}

void AgreementViewController::enableAgreeButton() {
    ButtonStyle::stylePrimaryLarge(agreeButton_);
    agreeButton_->setEnabled(true);
}
